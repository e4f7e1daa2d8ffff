#pragma once
#include <memory>
#include <string>

#include "Control.h"
#include "GifDecoder.h"
#include "Korvix32_h.h"
#include "PictureObjects.h"
#include "WindowTimer.h"

namespace kx {

// kxGifPlayer: plays a GIF file on the control, a frame per timer tick, drawn in one of three fits.
// The decoder's records and moves are public members too; a host may drive them itself.
class KxGifPlayer : public Control<_kxGifPlayer>, private GifDecoderEvents {
public:
    KxGifPlayer();
    ~KxGifPlayer() override;

    STDMETHODIMP get_SigVersion(BSTR* SigVersion) override;
    STDMETHODIMP get_HasGlobalLut(VARIANT_BOOL* HasGlobalLut) override;
    STDMETHODIMP get_ScreenWidth(LONG* ScreenWidth) override;
    STDMETHODIMP get_ScreenHeight(LONG* ScreenHeight) override;
    STDMETHODIMP get_BackgroundIndex(LONG* BackgroundIndex) override;
    STDMETHODIMP get_BackgroundColor(LONG* BackgroundColor) override;
    STDMETHODIMP get_GlobalLutSize(LONG* GlobalLutSize) override;
    STDMETHODIMP get_IsInterlaced(VARIANT_BOOL* IsInterlaced) override;
    STDMETHODIMP get_HasLocalLut(VARIANT_BOOL* HasLocalLut) override;
    STDMETHODIMP get_LocalLutSize(LONG* LocalLutSize) override;
    STDMETHODIMP get_ImageLeft(LONG* ImageLeft) override;
    STDMETHODIMP get_ImageTop(LONG* ImageTop) override;
    STDMETHODIMP get_ImageWidth(LONG* ImageWidth) override;
    STDMETHODIMP get_ImageHeight(LONG* ImageHeight) override;
    STDMETHODIMP get_IsTransparent(VARIANT_BOOL* IsTransparent) override;
    STDMETHODIMP get_UserInput(VARIANT_BOOL* UserInput) override;
    STDMETHODIMP get_TransparentColor(LONG* TransparentColor) override;
    STDMETHODIMP get_TransparentIndex(LONG* TransparentIndex) override;
    STDMETHODIMP get_DisposalMethod(UcsGifDisposalMethod* DisposalMethod) override;
    STDMETHODIMP get_ImageLut(SAFEARRAY** ImageLut) override;
    STDMETHODIMP get_ImageBits(SAFEARRAY** ImageBits) override;
    STDMETHODIMP get_FrameIndex(LONG* FrameIndex) override;
    STDMETHODIMP get_EOF(VARIANT_BOOL* AtEnd) override;
    STDMETHODIMP get_DelayTime(LONG* DelayTime) override;
    STDMETHODIMP Init(BSTR FileName, VARIANT_BOOL* Opened) override;
    STDMETHODIMP MoveNext(VARIANT_BOOL* Moved) override;
    STDMETHODIMP MoveFirst(VARIANT_BOOL* Moved) override;
    STDMETHODIMP MoveLast(VARIANT_BOOL* Moved) override;
    STDMETHODIMP MergeCurrentImage() override;
    STDMETHODIMP get_Image(IPictureDisp** Image) override;
    STDMETHODIMP get_FileName(BSTR* FileName) override;
    STDMETHODIMP put_FileName(BSTR FileName) override;
    STDMETHODIMP get_ShowType(kxGifShowType* ShowType) override;
    STDMETHODIMP put_ShowType(kxGifShowType ShowType) override;
    STDMETHODIMP get_Repeat(VARIANT_BOOL* Repeat) override;
    STDMETHODIMP put_Repeat(VARIANT_BOOL Repeat) override;
    STDMETHODIMP get_AutoSize(VARIANT_BOOL* AutoSize) override;
    STDMETHODIMP put_AutoSize(VARIANT_BOOL AutoSize) override;
    STDMETHODIMP GifPlay() override;
    STDMETHODIMP GifStop() override;

    // For tests: the playback timer, the picture last shown and the surface it is drawn on.
    WindowTimer& Timer1() { return *timer1_; }
    IPicture* PicView() const { return picView_.get(); }
    HDC SurfaceDc() const { return Hdc(); }

protected:
    void InitProperties() override;
    void ReadProperties(const PropertyReader& bag) override;
    void WriteProperties(const PropertyWriter& bag) override;
    void Terminate() override;

private:
    // GifDecoderEvents
    void Progress(long row) override;
    void ImageComplete() override;

    template <class Body>
    HRESULT DecoderCall(Body&& body);
    template <class T, class Value>
    HRESULT Report(T* out, Value value);
    void Open();
    void Tick();
    bool AdvanceForTick();
    void ShowFrame();
    void FitToPicture(SIZE picture);
    SIZE DrawingSize(SIZE picture) const;

    GifDecoder decoder_;
    std::wstring fileName_;
    long showType_ = kxgActual;
    bool repeat_ = true;
    bool autoSize_ = false;
    bool decoding_ = false;  // a decoder call is under way: its events must not start another
    PictureRef picView_;
    std::unique_ptr<WindowTimer> timer1_;
};

}  // namespace kx
