#include "Sounds.h"

#include "Random.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {

constexpr float kTau = 6.2831853f;
constexpr float kRate = float(kSoundRate);

std::vector<float> silence(float seconds) {
    return std::vector<float>(std::size_t(seconds * kRate), 0.0f);
}

// Scales to the given peak and fades the last few milliseconds so the sound ends without a click.
void finish(std::vector<float>& samples, float peak) {
    float loudest = 0.0f;
    for (const float s : samples) {
        loudest = std::max(loudest, std::fabs(s));
    }
    const std::size_t fade = std::size_t(0.008f * kRate);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const std::size_t left = samples.size() - i;
        const float tail = left < fade ? float(left) / float(fade) : 1.0f;
        samples[i] *= peak / loudest * tail;
    }
}

// A state-variable filter, tuned per sample so sweeps are easy.
class Filter {
public:
    float bandPass(float in, float frequency, float damping) {
        const float f = 2.0f * std::sin(kTau * 0.5f * frequency / kRate);
        low_ += f * band_;
        const float high = in - low_ - damping * band_;
        band_ += f * high;
        return band_;
    }
    float lowPass(float in, float frequency) {
        bandPass(in, frequency, 1.4f);
        return low_;
    }

private:
    float low_ = 0.0f;
    float band_ = 0.0f;
};

} // namespace

std::vector<float> synthesiseShot() {
    std::vector<float> out = silence(0.28f);
    Random random(0x5107u);
    Filter body;
    float previous = 0.0f;
    float phase = 0.0f;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float t = float(i) / kRate;
        const float attack = std::min(1.0f, t / 0.0008f);
        const float n = random.noise();
        // The crack: the brightest part of the noise, gone within a few milliseconds.
        const float crack = (n - previous) * 0.5f * std::exp(-t / 0.010f);
        previous = n;
        const float rumble = body.lowPass(n, 1800.0f) * std::exp(-t / 0.045f);
        // The thump drops from 140 Hz to 45 Hz as it dies.
        phase += kTau * (45.0f + 95.0f * std::exp(-t / 0.03f)) / kRate;
        const float thump = std::sin(phase) * std::exp(-t / 0.07f);
        out[i] = attack * (2.0f * crack + 1.4f * rumble + 0.9f * thump);
    }
    finish(out, 0.85f);
    return out;
}

std::vector<float> synthesiseMiss() {
    std::vector<float> out = silence(0.20f);
    Random random(0x3155u);
    Filter air;
    float phase = 0.0f;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float t = float(i) / kRate;
        const float swell = std::min(1.0f, t / 0.012f) * std::exp(-t / 0.06f);
        // Both the whoosh and its whistle slide down, which is what makes it a "fwip".
        const float sweep = std::exp(-t / 0.07f);
        const float whoosh = air.bandPass(random.noise(), 300.0f + 2600.0f * sweep, 0.35f);
        phase += kTau * (160.0f + 700.0f * sweep) / kRate;
        out[i] = swell * (whoosh + 0.25f * std::sin(phase));
    }
    finish(out, 0.55f);
    return out;
}

} // namespace artgen
