#pragma once
#include "AutomationObject.h"
#include "CustomColorSet.h"
#include "Korvix32_h.h"

#include <optional>

namespace kx {

// kxGraph: picture and colour helpers for hosts: capture, gradients, gray and resized pictures, picture
// files, colour arithmetic and the colour dialog, whose sixteen custom colours persist per user.
class KxGraph : public AutomationObject<_kxGraph> {
public:
    KxGraph();
    ~KxGraph() override;

    STDMETHODIMP CaptureWindow(LONG hWndSrc, LONG hDCSrc, LONG LeftSrc, LONG TopSrc, LONG WidthSrc,
                               LONG HeightSrc, IPictureDisp** Result) override;
    STDMETHODIMP DrawGradeint(LONG* mHdc, LONG* X1, LONG* Y1, LONG* X2, LONG* Y2, LONG* mFirstColor,
                              LONG* mSecondColor, LONG* mFirstAlpha, LONG* mSeconadAlpha,
                              VARIANT_BOOL* mVertivalFill) override;
    STDMETHODIMP DrawFullPicture(LONG* hdc, LONG srcBmp, LONG X1, LONG Y1, LONG X2, LONG Y2, LONG* MaskColor,
                                 LONG* Alpha) override;
    STDMETHODIMP GetColorDialog(LONG* DefColor, VARIANT_BOOL* ShowFullOpen, LONG* Result) override;
    STDMETHODIMP ShowTransPict(unsigned char* Transparent, LONG SrchDc, LONG SrcLeft, LONG SrcTop, LONG SrcWidth,
                               LONG SrcHeight, LONG Trghdc, LONG TrgLeft, LONG TrgTop, LONG TrgWidth,
                               LONG TrgHeight) override;
    STDMETHODIMP SavePhotoFile(BSTR* FileName, LONG* Quality, IPictureDisp** Picture, kxPhotoType* PhotoTyp,
                               short* BitCount) override;
    STDMETHODIMP ResizePicture(IPictureDisp** SourcePic, LONG* NewWidth, LONG* NewHeight,
                               IPictureDisp** Result) override;
    STDMETHODIMP DrawGrayScale(LONG lhdc, LONG hPicture, LONG lLeft, LONG lTop, LONG lWidth, LONG lHeight,
                               VARIANT_BOOL* Result) override;
    STDMETHODIMP GrayImage(IPictureDisp** SourcePic, IPictureDisp** Result) override;
    STDMETHODIMP ColorOffset(OLE_COLOR* tColor, LONG* lOffset, OLE_COLOR* Result) override;
    STDMETHODIMP ColorBase(OLE_COLOR tColor, LONG Base, OLE_COLOR* Result) override;
    STDMETHODIMP GetRgb(OLE_COLOR theColor, short* Red, short* Green, short* Blue) override;
    STDMETHODIMP TranslateColor(OLE_COLOR lColor, OLE_COLOR* Result) override;
    STDMETHODIMP ComparePicture(LONG* Pic_1_hdc, IPictureDisp** Pic_1, LONG* Pic_2_hdc, IPictureDisp** Pic_2,
                                VARIANT_BOOL* Result) override;

private:
    void LoadCustomColors();
    void StoreCustomColors();

    _kxRegistry* settings_ = nullptr;                // the settings store, used by the colour dialog only
    std::optional<CustomColorBytes> customColors_;  // empty until the first colour dialog
};

}  // namespace kx
