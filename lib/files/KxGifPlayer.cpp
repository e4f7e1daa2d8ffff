#include "KxGifPlayer.h"

#include <cstring>
#include <new>
#include <utility>

#include "ErrorInfo.h"
#include "FileByteSource.h"
#include "GifError.h"
#include "KeepAlive.h"
#include "Rounding.h"

namespace kx {
namespace {

constexpr const wchar_t* kSource = L"Korvix32.kxGifPlayer";
constexpr int kNewWidthTwips = 2790;
constexpr int kNewHeightTwips = 1950;
constexpr int kErrFileAccess = 75;
constexpr DISPID kProgressEvent = 1;
constexpr DISPID kImageCompleteEvent = 2;
// A hundredth of a second of delay plays as 6.3 milliseconds.
constexpr double kMillisecondsPerDelayUnit = 6.3;

VARIANT_BOOL Bool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

HRESULT RaiseFault(GifFault fault) {
    if (GifFaultIsRuntimeNumber(fault)) return RaiseError(GifFaultNumber(fault), kSource, GifFaultText(fault));
    return RaiseHResult(static_cast<HRESULT>(GifFaultNumber(fault)), kSource, GifFaultText(fault));
}

// A byte array with bounds 0 to size - 1 (an empty array for size 0) that starts with the given
// bytes and is 0 after them.
SAFEARRAY* ByteArray(size_t size, const uint8_t* bytes, size_t count) {
    SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(size));
    if (!array) throw std::bad_alloc();
    if (count == 0) return array;
    void* data = nullptr;
    SafeArrayAccessData(array, &data);
    std::memcpy(data, bytes, count < size ? count : size);
    SafeArrayUnaccessData(array);
    return array;
}

int ScreenTwipsPerPixel(int index) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, index);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? 1440 / dpi : 15;
}

// The display buffer as a screen-compatible bitmap in a new picture that owns it; null for an empty
// screen.
PictureRef PictureOfCanvas(const GifCanvas& canvas) {
    if (!canvas.Exists() || canvas.Width() == 0 || canvas.Height() == 0) return nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, canvas.Width(), canvas.Height());
    if (!bitmap) {
        ReleaseDC(nullptr, screen);
        throw Error(kErrOutOfMemory);
    }
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = canvas.Width();
    info.bmiHeader.biHeight = -canvas.Height();  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    StretchDIBits(memory, 0, 0, canvas.Width(), canvas.Height(), 0, 0, canvas.Width(), canvas.Height(),
                  canvas.Display(), &info, DIB_RGB_COLORS, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    PictureRef picture = PictureFromBitmap(bitmap, nullptr);
    if (!picture) throw Error(kErrOutOfMemory);
    return picture;
}

// Copies a bitmap onto target at (0, 0) in the given size.
void DrawBitmap(HDC target, HBITMAP bitmap, SIZE source, SIZE size) {
    HDC memory = CreateCompatibleDC(target);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    SetStretchBltMode(target, COLORONCOLOR);
    StretchBlt(target, 0, 0, size.cx, size.cy, memory, 0, 0, source.cx, source.cy, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
}

}  // namespace

KxGifPlayer::KxGifPlayer()
    : Control<_kxGifPlayer>(CLSID_kxGifPlayer, DIID___kxGifPlayer, kNewWidthTwips, kNewHeightTwips),
      decoder_(this) {
    timer1_ = std::make_unique<WindowTimer>(static_cast<IDispatch*>(this), [this] { Tick(); });
    decoder_.Reset();
}

KxGifPlayer::~KxGifPlayer() = default;

// --- decoder calls ---

// Runs a member that drives the decoder: not from inside the decoder's own events (error 5), and
// the decoder's faults become the caller's error with their numbers and texts.
template <class Body>
HRESULT KxGifPlayer::DecoderCall(Body&& body) {
    if (decoding_) return RaiseError(kErrInvalidCall, kSource);
    const KeepAlive hold(static_cast<IDispatch*>(this));  // a handler of its events may drop the host's reference
    decoding_ = true;
    bool failed = false;
    GifFault fault = GifFault::NotAGif;
    const HRESULT hr = Guard(kSource, [&] {
        try {
            body();
        } catch (const GifError& e) {
            failed = true;
            fault = e.fault;
        }
    });
    decoding_ = false;
    return failed ? RaiseFault(fault) : hr;
}

template <class T, class Value>
HRESULT KxGifPlayer::Report(T* out, Value value) {
    if (!out) return E_POINTER;
    *out = static_cast<T>(value);
    return S_OK;
}

void KxGifPlayer::Progress(long row) {
    VARIANT arg;
    arg.vt = VT_I4;
    arg.lVal = row;
    RaiseEvent(kProgressEvent, &arg, 1);
}

void KxGifPlayer::ImageComplete() { RaiseEvent(kImageCompleteEvent); }

// Steps 4 to 8 of Init: the old file closed, the new one opened and its header read.
void KxGifPlayer::Open() {
    decoder_.Close();
    std::unique_ptr<FileByteSource> file = FileByteSource::Open(fileName_);
    if (!file) throw Error(kErrFileAccess);
    decoder_.Open(std::move(file));
}

STDMETHODIMP KxGifPlayer::Init(BSTR FileName, VARIANT_BOOL* Opened) {
    if (!Opened) return E_POINTER;
    *Opened = VARIANT_FALSE;
    return DecoderCall([&] {
        if (SysStringLen(FileName) > 0) {
            fileName_.assign(FileName, SysStringLen(FileName));
            PropertyChanged(L"FileName");
        }
        decoder_.Reset();
        if (GetFileAttributesW(fileName_.c_str()) == INVALID_FILE_ATTRIBUTES) return;
        Open();
        timer1_->SetInterval(decoder_.GraphicControl().delay);
        *Opened = VARIANT_TRUE;
    });
}

STDMETHODIMP KxGifPlayer::MoveNext(VARIANT_BOOL* Moved) {
    if (!Moved) return E_POINTER;
    return DecoderCall([&] { *Moved = Bool(decoder_.MoveNext()); });
}

STDMETHODIMP KxGifPlayer::MoveFirst(VARIANT_BOOL* Moved) {
    if (!Moved) return E_POINTER;
    return DecoderCall([&] { *Moved = Bool(decoder_.MoveFirst()); });
}

STDMETHODIMP KxGifPlayer::MoveLast(VARIANT_BOOL* Moved) {
    if (!Moved) return E_POINTER;
    return DecoderCall([&] { *Moved = Bool(decoder_.MoveLast()); });
}

STDMETHODIMP KxGifPlayer::MergeCurrentImage() {
    return DecoderCall([&] { decoder_.MergeCurrentImage(); });
}

STDMETHODIMP KxGifPlayer::get_Image(IPictureDisp** Image) {
    if (!Image) return E_POINTER;
    *Image = nullptr;
    return Guard(kSource, [&] { *Image = DispatchOf(PictureOfCanvas(decoder_.Canvas())); });
}

// --- records ---

STDMETHODIMP KxGifPlayer::get_SigVersion(BSTR* SigVersion) {
    if (!SigVersion) return E_POINTER;
    const std::string signature = decoder_.Header().Signature();
    wchar_t text[6] = {};
    const int length = MultiByteToWideChar(CP_ACP, 0, signature.data(), 6, text, 6);
    *SigVersion = SysAllocStringLen(text, length);
    return *SigVersion ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP KxGifPlayer::get_HasGlobalLut(VARIANT_BOOL* out) { return Report(out, Bool(decoder_.Header().HasGlobalTable())); }
STDMETHODIMP KxGifPlayer::get_ScreenWidth(LONG* out) { return Report(out, decoder_.Header().screenWidth); }
STDMETHODIMP KxGifPlayer::get_ScreenHeight(LONG* out) { return Report(out, decoder_.Header().screenHeight); }
STDMETHODIMP KxGifPlayer::get_BackgroundIndex(LONG* out) { return Report(out, decoder_.Header().backgroundIndex); }
STDMETHODIMP KxGifPlayer::get_BackgroundColor(LONG* out) {
    return Report(out, decoder_.FrameColour(decoder_.Header().backgroundIndex));
}
STDMETHODIMP KxGifPlayer::get_GlobalLutSize(LONG* out) { return Report(out, decoder_.Header().GlobalTableSize()); }
STDMETHODIMP KxGifPlayer::get_IsInterlaced(VARIANT_BOOL* out) { return Report(out, Bool(decoder_.Descriptor().IsInterlaced())); }
STDMETHODIMP KxGifPlayer::get_HasLocalLut(VARIANT_BOOL* out) { return Report(out, Bool(decoder_.Descriptor().HasLocalTable())); }
STDMETHODIMP KxGifPlayer::get_LocalLutSize(LONG* out) { return Report(out, decoder_.Descriptor().LocalTableSize()); }
STDMETHODIMP KxGifPlayer::get_ImageLeft(LONG* out) { return Report(out, decoder_.Descriptor().left); }
STDMETHODIMP KxGifPlayer::get_ImageTop(LONG* out) { return Report(out, decoder_.Descriptor().top); }
STDMETHODIMP KxGifPlayer::get_ImageWidth(LONG* out) { return Report(out, decoder_.Descriptor().width); }
STDMETHODIMP KxGifPlayer::get_ImageHeight(LONG* out) { return Report(out, decoder_.Descriptor().height); }
STDMETHODIMP KxGifPlayer::get_IsTransparent(VARIANT_BOOL* out) { return Report(out, Bool(decoder_.GraphicControl().IsTransparent())); }
STDMETHODIMP KxGifPlayer::get_UserInput(VARIANT_BOOL* out) { return Report(out, Bool(decoder_.GraphicControl().UserInput())); }
STDMETHODIMP KxGifPlayer::get_TransparentColor(LONG* out) {
    return Report(out, decoder_.FrameColour(decoder_.GraphicControl().transparentIndex));
}
STDMETHODIMP KxGifPlayer::get_TransparentIndex(LONG* out) { return Report(out, decoder_.GraphicControl().transparentIndex); }
STDMETHODIMP KxGifPlayer::get_DisposalMethod(UcsGifDisposalMethod* out) {
    return Report(out, decoder_.GraphicControl().DisposalMethod());
}
STDMETHODIMP KxGifPlayer::get_FrameIndex(LONG* out) { return Report(out, decoder_.FrameIndex()); }
STDMETHODIMP KxGifPlayer::get_EOF(VARIANT_BOOL* out) { return Report(out, Bool(decoder_.Eof())); }
STDMETHODIMP KxGifPlayer::get_DelayTime(LONG* out) { return Report(out, decoder_.GraphicControl().delay); }

STDMETHODIMP KxGifPlayer::get_ImageLut(SAFEARRAY** ImageLut) {
    if (!ImageLut) return E_POINTER;
    *ImageLut = nullptr;
    return Guard(kSource, [&] { *ImageLut = ByteArray(GifDecoder::kTableBytes, decoder_.FrameTable().data(), GifDecoder::kTableBytes); });
}

STDMETHODIMP KxGifPlayer::get_ImageBits(SAFEARRAY** ImageBits) {
    if (!ImageBits) return E_POINTER;
    *ImageBits = nullptr;
    return Guard(kSource, [&] {
        const std::vector<uint8_t>& decoded = decoder_.DecodedBits();
        *ImageBits = ByteArray(decoder_.ImageBitsSize(), decoded.data(), decoded.size());
    });
}

// --- player properties ---

STDMETHODIMP KxGifPlayer::get_FileName(BSTR* FileName) {
    if (!FileName) return E_POINTER;
    *FileName = SysAllocStringLen(fileName_.data(), static_cast<UINT>(fileName_.size()));
    return *FileName ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP KxGifPlayer::put_FileName(BSTR FileName) {
    fileName_.assign(FileName ? FileName : L"", SysStringLen(FileName));
    PropertyChanged(L"FileName");
    return S_OK;
}

STDMETHODIMP KxGifPlayer::get_ShowType(kxGifShowType* ShowType) { return Report(ShowType, showType_); }

STDMETHODIMP KxGifPlayer::put_ShowType(kxGifShowType ShowType) {
    if (ShowType < kxgActual || ShowType > kxgClip) return RaiseError(kErrInvalidPropertyValue, kSource);
    showType_ = ShowType;
    PropertyChanged(L"ShowType");
    return S_OK;
}

STDMETHODIMP KxGifPlayer::get_Repeat(VARIANT_BOOL* Repeat) { return Report(Repeat, Bool(repeat_)); }

STDMETHODIMP KxGifPlayer::put_Repeat(VARIANT_BOOL Repeat) {
    repeat_ = Repeat != VARIANT_FALSE;
    PropertyChanged(L"Repeat");
    return S_OK;
}

STDMETHODIMP KxGifPlayer::get_AutoSize(VARIANT_BOOL* AutoSize) { return Report(AutoSize, Bool(autoSize_)); }

STDMETHODIMP KxGifPlayer::put_AutoSize(VARIANT_BOOL AutoSize) {
    autoSize_ = AutoSize != VARIANT_FALSE;
    PropertyChanged(L"AutoSize");
    return S_OK;
}

STDMETHODIMP KxGifPlayer::GifPlay() {
    timer1_->SetInterval(1);
    timer1_->SetEnabled(true);
    return S_OK;
}

STDMETHODIMP KxGifPlayer::GifStop() {
    timer1_->SetEnabled(false);
    return S_OK;
}

// --- playback ---

// The next frame for a tick; false when playback stops here. A decoder error stops playback and
// keeps the picture: the tick has no caller to tell, and would meet the same error again.
bool KxGifPlayer::AdvanceForTick() {
    VARIANT_BOOL moved = VARIANT_FALSE;
    if (FAILED(MoveNext(&moved))) {
        SetErrorInfo(0, nullptr);
        GifStop();
        return false;
    }
    if (moved) return true;
    // The trailer, or no file: start again, unless there is nothing to play or no repeat is asked.
    const bool nothingToPlay = !decoder_.IsOpen() || decoder_.FrameIndex() < 0;
    if (!repeat_ || nothingToPlay) {
        GifStop();
        return false;
    }
    decoder_.MoveFirst();
    return true;
}

void KxGifPlayer::Tick() {
    if (decoding_ || !AdvanceForTick()) return;
    const double interval = RoundHalfEven(decoder_.GraphicControl().delay * kMillisecondsPerDelayUnit);
    timer1_->SetInterval(interval > 0 ? static_cast<UINT>(interval) : 1);
    ShowFrame();
}

void KxGifPlayer::ShowFrame() {
    try {
        picView_ = PictureOfCanvas(decoder_.Canvas());
    } catch (...) {
        picView_.reset();
    }
    const HANDLE bitmap = PictureHandle(picView_.get());
    if (!bitmap) return;
    const SIZE picture = BitmapSize(bitmap);
    if (autoSize_) FitToPicture(picture);
    const SIZE size = DrawingSize(picture);
    if (size.cx <= 0 || size.cy <= 0) return;
    DrawBitmap(Hdc(), static_cast<HBITMAP>(bitmap), picture, size);
    ShowSurface();
}

void KxGifPlayer::FitToPicture(SIZE picture) {
    SetWidthTwips(picture.cx * ScreenTwipsPerPixel(LOGPIXELSX));
    SetHeightTwips(picture.cy * ScreenTwipsPerPixel(LOGPIXELSY));
}

SIZE KxGifPlayer::DrawingSize(SIZE picture) const {
    switch (showType_) {
        case kxgStretch: return {ScaleWidth(), ScaleHeight()};
        case kxgClip: {
            if (picture.cx <= 0 || picture.cy <= 0) return {0, 0};
            const double ratioX = static_cast<double>(ScaleWidth()) / picture.cx;
            const double ratioY = static_cast<double>(ScaleHeight()) / picture.cy;
            const double ratio = ratioX < ratioY ? ratioX : ratioY;
            return {static_cast<LONG>(RoundHalfEven(picture.cx * ratio)),
                    static_cast<LONG>(RoundHalfEven(picture.cy * ratio))};
        }
        default: return picture;
    }
}

// --- life cycle ---

void KxGifPlayer::InitProperties() {
    fileName_.clear();
    showType_ = kxgActual;
    repeat_ = true;
    autoSize_ = false;
}

void KxGifPlayer::ReadProperties(const PropertyReader& bag) {
    fileName_ = bag.Text(L"FileName", L"");
    showType_ = bag.Long(L"ShowType", kxgActual);
    repeat_ = bag.Boolean(L"Repeat", true);
    autoSize_ = bag.Boolean(L"AutoSize", false);
}

void KxGifPlayer::WriteProperties(const PropertyWriter& bag) {
    bag.Text(L"FileName", fileName_, L"");
    bag.Long(L"ShowType", showType_, kxgActual);
    bag.Boolean(L"Repeat", repeat_, true);
    bag.Boolean(L"AutoSize", autoSize_, false);
}

// The file is closed and the timer stopped; a caller's pending error survives the clean-up.
void KxGifPlayer::Terminate() {
    const PendingErrorKeeper keeper;
    timer1_->SetEnabled(false);
    decoder_.Close();
}

}  // namespace kx
