#pragma once
#include <string>

#include "Control.h"
#include "Korvix32_h.h"
#include "ProgressBackBuffer.h"
#include "WindowMembers.h"

namespace kx {

// kxProgressBar: how far Value moved through Min .. Max, drawn in one of ten looks into a back buffer
// and shown with one copy. It raises no events.
class KxProgressBar : public WindowMembers<Control<_kxProgressBar>> {
public:
    KxProgressBar();
    ~KxProgressBar() override;

    STDMETHODIMP DrawProgressBar() override;
    STDMETHODIMP DrawLine(LONG X, LONG Y, LONG Width, LONG Height, LONG cHdc, LONG Color) override;
    STDMETHODIMP DrawGradient(LONG* lEndColor, LONG* lStartcolor, LONG* X, LONG* Y, LONG* X2, LONG* Y2,
                              LONG* hdc, VARIANT_BOOL* bH) override;
    STDMETHODIMP pDraw(LONG* hdc, LONG* xSrc, LONG* ySrc, LONG* WidthSrc, LONG* HeightSrc, LONG* xDst,
                       LONG* yDst) override;
    STDMETHODIMP put_kxBrushStyle(kxBrushStyle BrushStyle) override;
    STDMETHODIMP get_Color(OLE_COLOR* Color) override;
    STDMETHODIMP put_Color(OLE_COLOR Color) override;
    STDMETHODIMP get_Font(IFontDisp** Font) override;
    STDMETHODIMP putref_Font(IFontDisp* Font) override;
    STDMETHODIMP put_Font(IFontDisp* Font) override;
    STDMETHODIMP put_Hwnd(LONG Hwnd) override;
    STDMETHODIMP put_hdc(LONG hdc) override;
    STDMETHODIMP get_Image(IPictureDisp** Image) override;
    STDMETHODIMP putref_Image(IPictureDisp* Image) override;
    STDMETHODIMP get_Min(DOUBLE* Min) override;
    STDMETHODIMP put_Min(DOUBLE Min) override;
    STDMETHODIMP get_Max(DOUBLE* Max) override;
    STDMETHODIMP put_Max(DOUBLE Max) override;
    STDMETHODIMP get_Orientation(kxOrientation* Orientation) override;
    STDMETHODIMP put_Orientation(kxOrientation Orientation) override;
    STDMETHODIMP get_Scrolling(kxScrolling* Scrolling) override;
    STDMETHODIMP put_Scrolling(kxScrolling Scrolling) override;
    STDMETHODIMP get_ShowText(VARIANT_BOOL* ShowText) override;
    STDMETHODIMP put_ShowText(VARIANT_BOOL ShowText) override;
    STDMETHODIMP get_Value(DOUBLE* Value) override;
    STDMETHODIMP put_Value(DOUBLE Value) override;
    STDMETHODIMP ShowProgressInStatusBar(IDispatch** StatusBar, LONG* PanelNumber) override;
    STDMETHODIMP get_Text(BSTR* Text) override;
    STDMETHODIMP put_Text(BSTR Text) override;
    STDMETHODIMP get_ForeColor(OLE_COLOR* ForeColor) override;
    STDMETHODIMP put_ForeColor(OLE_COLOR ForeColor) override;
    STDMETHODIMP About() override;

    // For tests: the share the last paint showed, the brush style (which has no get) and the buffer.
    float Percent() const { return percent_; }
    long BrushStyle() const { return brushStyle_; }
    const ProgressBackBuffer& BackBuffer() const { return buffer_; }

protected:
    HWND MemberWindow() const override;
    HDC MemberDc() const override;
    void InitProperties() override;
    void ReadProperties(const PropertyReader& bag) override;
    void WriteProperties(const PropertyWriter& bag) override;
    void Resize() override;
    void Paint() override;
    void Terminate() override;

private:
    template <class T>
    HRESULT LetAndRepaint(T& field, T value, const wchar_t* name);
    void Repaint();
    void UseBufferForDrawing();
    void StoreFont(IFontDisp* font);
    void StoreImage(IPictureDisp* image);
    HFONT FontHandle() const;

    double value_ = 0;
    double min_ = 0;
    double max_ = 100;
    long scrolling_ = kxScrollingStandard;
    long orientation_ = kxOrientationHorizontal;
    bool showText_ = false;
    std::wstring text_;
    long color_ = 0;
    long foreColor_ = 0;
    long brushStyle_ = kxHorizontal;
    IFontDisp* font_ = nullptr;
    IPictureDisp* image_ = nullptr;
    HWND hwnd_ = nullptr;

    float percent_ = 0;
    ProgressBackBuffer buffer_;
    HDC drawingDc_ = nullptr;
    bool bufferInUse_ = false;
};

}  // namespace kx
