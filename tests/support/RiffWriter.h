#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Small media files for the media player's tests, built in memory: PCM WAV and uncompressed AVI (one video
// stream of solid frames, optionally a PCM sound stream), in the RIFF layout the platform's parsers read.
namespace kxtest {

class RiffBytes {
public:
    void U16(uint16_t v) { Put(v, 2); }
    void U32(uint32_t v) { Put(v, 4); }
    void FourCc(const char* code) { bytes_.insert(bytes_.end(), code, code + 4); }
    void Fill(size_t count, uint8_t value) { bytes_.insert(bytes_.end(), count, value); }
    void Append(const std::vector<uint8_t>& more) { bytes_.insert(bytes_.end(), more.begin(), more.end()); }

    // A chunk's header; End patches its size and pads it to an even length.
    size_t Begin(const char* id) {
        FourCc(id);
        U32(0);
        return bytes_.size();
    }
    // A RIFF or LIST chunk with its form type.
    size_t BeginList(const char* id, const char* type) {
        const size_t start = Begin(id);
        FourCc(type);
        return start;
    }
    void End(size_t start) {
        const uint32_t size = static_cast<uint32_t>(bytes_.size() - start);
        for (int i = 0; i < 4; ++i) bytes_[start - 4 + i] = static_cast<uint8_t>(size >> (8 * i));
        if (size % 2) bytes_.push_back(0);
    }
    size_t Size() const { return bytes_.size(); }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

private:
    void Put(uint32_t v, int count) {
        for (int i = 0; i < count; ++i) bytes_.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
    std::vector<uint8_t> bytes_;
};

struct PcmFormat {
    uint32_t rate = 8000;  // 8-bit mono samples per second
};

inline void WriteWaveFormat(RiffBytes& out, const PcmFormat& pcm) {
    out.U16(1);  // PCM
    out.U16(1);
    out.U32(pcm.rate);
    out.U32(pcm.rate);
    out.U16(1);
    out.U16(8);
}

// Silence of the given length.
inline std::vector<uint8_t> WaveFile(double seconds, PcmFormat pcm = {}) {
    RiffBytes out;
    const size_t riff = out.BeginList("RIFF", "WAVE");
    const size_t format = out.Begin("fmt ");
    WriteWaveFormat(out, pcm);
    out.End(format);
    const size_t data = out.Begin("data");
    out.Fill(static_cast<size_t>(seconds * pcm.rate), 0x80);
    out.End(data);
    out.End(riff);
    return out.Bytes();
}

struct AviSpec {
    int width = 32;
    int height = 24;
    int framesPerSecond = 10;
    int frames = 10;  // one second
    uint8_t red = 0xE0, green = 0x20, blue = 0x40;
    bool sound = false;
};

// An AVI of solid 24-bit frames, with the sound stream (silence) interleaved frame by frame when asked.
inline std::vector<uint8_t> AviFile(const AviSpec& spec) {
    const PcmFormat pcm;
    const uint32_t frameBytes = static_cast<uint32_t>(spec.width * 3 * spec.height);  // rows of 4-byte multiples
    const uint32_t samplesPerFrame = pcm.rate / spec.framesPerSecond;
    const uint32_t streams = spec.sound ? 2 : 1;
    RiffBytes out;
    const size_t riff = out.BeginList("RIFF", "AVI ");

    const size_t header = out.BeginList("LIST", "hdrl");
    const size_t main = out.Begin("avih");
    out.U32(1000000 / spec.framesPerSecond);
    out.U32(frameBytes * spec.framesPerSecond + (spec.sound ? pcm.rate : 0));
    out.U32(0);
    out.U32(0x10);  // has an index
    out.U32(spec.frames);
    out.U32(0);
    out.U32(streams);
    out.U32(frameBytes);
    out.U32(spec.width);
    out.U32(spec.height);
    out.Fill(16, 0);
    out.End(main);

    auto streamHeader = [&](const char* type, const char* handler, uint32_t scale, uint32_t rate, uint32_t length,
                            uint32_t bufferSize, uint32_t sampleSize) {
        const size_t strh = out.Begin("strh");
        out.FourCc(type);
        out.FourCc(handler);
        out.U32(0);
        out.U16(0);
        out.U16(0);
        out.U32(0);
        out.U32(scale);
        out.U32(rate);
        out.U32(0);
        out.U32(length);
        out.U32(bufferSize);
        out.U32(0xFFFFFFFF);
        out.U32(sampleSize);
        out.Fill(8, 0);
        out.End(strh);
    };

    const size_t video = out.BeginList("LIST", "strl");
    streamHeader("vids", "DIB ", 1, spec.framesPerSecond, spec.frames, frameBytes, 0);
    const size_t bitmap = out.Begin("strf");
    out.U32(40);
    out.U32(spec.width);
    out.U32(spec.height);
    out.U16(1);
    out.U16(24);
    out.U32(0);
    out.U32(frameBytes);
    out.Fill(16, 0);
    out.End(bitmap);
    out.End(video);
    if (spec.sound) {
        const size_t audio = out.BeginList("LIST", "strl");
        streamHeader("auds", "\0\0\0\0", 1, pcm.rate, samplesPerFrame * spec.frames, samplesPerFrame, 1);
        const size_t wave = out.Begin("strf");
        WriteWaveFormat(out, pcm);
        out.U16(0);
        out.End(wave);
        out.End(audio);
    }
    out.End(header);

    struct IndexEntry {
        const char* id;
        uint32_t offset, size;
    };
    std::vector<IndexEntry> index;
    const size_t movi = out.BeginList("LIST", "movi");
    const size_t moviType = movi;  // offsets count from the 'movi' form type
    std::vector<uint8_t> frame;
    for (int y = 0; y < spec.height; ++y)
        for (int x = 0; x < spec.width; ++x) frame.insert(frame.end(), {spec.blue, spec.green, spec.red});
    for (int i = 0; i < spec.frames; ++i) {
        index.push_back({"00db", static_cast<uint32_t>(out.Size() - moviType), frameBytes});
        const size_t chunk = out.Begin("00db");
        out.Append(frame);
        out.End(chunk);
        if (!spec.sound) continue;
        index.push_back({"01wb", static_cast<uint32_t>(out.Size() - moviType), samplesPerFrame});
        const size_t sound = out.Begin("01wb");
        out.Fill(samplesPerFrame, 0x80);
        out.End(sound);
    }
    out.End(movi);

    const size_t idx = out.Begin("idx1");
    for (const IndexEntry& entry : index) {
        out.FourCc(entry.id);
        out.U32(0x10);  // key frame
        out.U32(entry.offset);
        out.U32(entry.size);
    }
    out.End(idx);
    out.End(riff);
    return out.Bytes();
}

}  // namespace kxtest
