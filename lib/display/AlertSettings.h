#pragma once
#include <windows.h>
#include <ocidl.h>

#include <string>

// The settings of an alert, as both front ends keep them and hand them to the alert window's ShowForm.
// The font and picture are held by the front end (not add-ref'd here).
namespace kx {

struct AlertSettings {
    long backColor = static_cast<long>(0x80000018);  // tooltip background
    long borderStyle = 0;                            // kxAWRectangle
    bool enabled = true;                             // stored only
    IFontDisp* font = nullptr;
    long foreColor = static_cast<long>(0x80000017);  // tooltip text
    IPictureDisp* picture = nullptr;
    bool rightToLeft = true;
    float timeToClose = 3;
    bool separateWindow = false;
    long showPosition = 0;  // Right And Buttom
    bool alwaysOnTop = true;
    long backStyle = 0;  // Solid
    std::wstring text;
    bool autoSize = true;
    long windowWidth = 300;
    long windowHeight = 200;
    bool clickClose = true;
    long showStyle = 0;  // Fade
    float timeToShow = 1;
    long buttonStyle = 7;  // kxBtnPlastik
    std::wstring textButton[3];
    short defaultButton = 1;
    std::wstring textTitle;
    short maxTransparent = 255;

    bool HasButtons() const { return !(textButton[0] + textButton[1] + textButton[2]).empty(); }
};

}  // namespace kx
