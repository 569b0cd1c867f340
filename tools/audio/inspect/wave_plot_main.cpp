// wave-plot: pictures of a 16-bit WAV for checking sounds by eye (PPM out; convert to PNG).
//
//   wave-plot levels IN.wav OUT.ppm   peak (light) and RMS (dark) in dBFS across the file
//   wave-plot wave   IN.wav OUT.ppm   the waveform, min/max per column
//   wave-plot seam   IN.wav OUT.ppm [FRAMES]
//                    a loop's last FRAMES samples followed by its first FRAMES, as the
//                    engine plays them round; the seam is the grey line in the middle

#include "PcmWave.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

namespace {

struct Image {
    int w, h;
    std::vector<uint8_t> rgb;
    Image(int width, int height) : w(width), h(height), rgb(size_t(width) * height * 3, 255) {}
    void put(int x, int y, uint32_t c) {
        if (x < 0 || y < 0 || x >= w || y >= h) return;
        uint8_t* p = &rgb[(size_t(y) * w + x) * 3];
        p[0] = c >> 16;
        p[1] = (c >> 8) & 0xFF;
        p[2] = c & 0xFF;
    }
    void vline(int x, int y0, int y1, uint32_t c) {
        if (y0 > y1) std::swap(y0, y1);
        for (int y = y0; y <= y1; ++y) put(x, y, c);
    }
    void hline(int y, uint32_t c) {
        for (int x = 0; x < w; ++x) put(x, y, c);
    }
    void save(const std::string& path) const {
        std::ofstream out(path, std::ios::binary);
        out << "P6\n" << w << " " << h << "\n255\n";
        out.write(reinterpret_cast<const char*>(rgb.data()), std::streamsize(rgb.size()));
    }
};

struct Channels {
    std::vector<std::vector<double>> ch;
    size_t frames() const { return ch.empty() ? 0 : ch[0].size(); }
};

Channels load(const std::string& path) {
    const audio::PcmWave w = audio::readPcmWav(path);
    Channels c;
    c.ch.resize(w.channels);
    const size_t n = w.frameCount();
    for (size_t f = 0; f < n; ++f)
        for (size_t k = 0; k < w.channels; ++k) {
            const size_t at = (f * w.channels + k) * 2;
            c.ch[k].push_back(int16_t(w.samples[at] | (w.samples[at + 1] << 8)) / 32768.0);
        }
    return c;
}

const uint32_t kColours[2][2] = {{0x9ec5f0, 0x1f5fa8}, {0xf3b38f, 0xb3471a}}; // light, dark per channel

void levels(const Channels& c, Image& img) {
    const int band = img.h / int(c.ch.size());
    auto yOf = [&](double db, int k) { return k * band + int((-std::max(db, -60.0) / 60.0) * (band - 1)); };
    for (size_t k = 0; k < c.ch.size(); ++k)
        for (double db : {-6.0, -12.0, -24.0, -48.0}) {
            const int y = yOf(db, int(k));
            for (int x = 0; x < img.w; x += 3) img.put(x, y, 0xbbbbbb);
        }
    const size_t n = c.frames();
    for (int x = 0; x < img.w; ++x) {
        const size_t a = n * x / img.w, b = std::max(a + 1, n * (x + 1) / img.w);
        for (size_t k = 0; k < c.ch.size(); ++k) {
            double peak = 0, sum = 0;
            for (size_t i = a; i < b; ++i) {
                peak = std::max(peak, std::fabs(c.ch[k][i]));
                sum += c.ch[k][i] * c.ch[k][i];
            }
            const double peakDb = 20 * std::log10(std::max(peak, 1e-6));
            const double rmsDb = 10 * std::log10(std::max(sum / (b - a), 1e-12));
            const int bottom = int(k + 1) * band - 1;
            img.vline(x, yOf(peakDb, int(k)), bottom, kColours[k][0]);
            img.vline(x, yOf(rmsDb, int(k)), bottom, kColours[k][1]);
        }
    }
    for (size_t k = 1; k < c.ch.size(); ++k) img.hline(int(k) * band, 0x000000);
}

void waveform(const Channels& c, size_t from, size_t count, Image& img, bool lines) {
    const int band = img.h / int(c.ch.size());
    for (size_t k = 0; k < c.ch.size(); ++k) {
        const int mid = int(k) * band + band / 2;
        img.hline(mid, 0xdddddd);
        auto yOf = [&](double v) { return mid - int(v * (band / 2 - 2)); };
        int lastY = yOf(c.ch[k][from % c.frames()]);
        for (int x = 0; x < img.w; ++x) {
            const size_t a = count * x / img.w, b = std::max(a + 1, count * (x + 1) / img.w);
            double lo = 1, hi = -1;
            for (size_t i = a; i < b; ++i) {
                const double v = c.ch[k][(from + i) % c.frames()];
                lo = std::min(lo, v);
                hi = std::max(hi, v);
            }
            if (lines) {
                // Join neighbouring samples so a jump at the seam would show as a tall stroke.
                img.vline(x, lastY, yOf(hi), kColours[k][1]);
                img.vline(x, yOf(lo), yOf(hi), kColours[k][1]);
                lastY = yOf(hi);
            } else {
                img.vline(x, yOf(lo), yOf(hi), kColours[k][1]);
            }
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: wave-plot levels|wave|seam IN.wav OUT.ppm [FRAMES]\n";
        return 2;
    }
    try {
        const std::string mode = argv[1];
        const Channels c = load(argv[2]);
        if (mode == "levels") {
            Image img(1200, 400);
            levels(c, img);
            img.save(argv[3]);
        } else if (mode == "wave") {
            Image img(1200, 400);
            waveform(c, 0, c.frames(), img, false);
            img.save(argv[3]);
        } else if (mode == "seam") {
            const size_t half = argc > 4 ? std::stoul(argv[4]) : 300;
            Image img(1200, 400);
            waveform(c, c.frames() - half, 2 * half, img, true);
            img.vline(img.w / 2, 0, img.h - 1, 0x888888);
            img.save(argv[3]);
        } else {
            std::cerr << "wave-plot: unknown mode " << mode << "\n";
            return 2;
        }
    } catch (const std::exception& e) {
        std::cerr << "wave-plot: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
