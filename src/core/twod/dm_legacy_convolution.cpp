#include "core/twod/dm_legacy_convolution.h"

#include <array>
#include <string_view>

namespace vornik::twod {

namespace {

// A code that takes `inputsPerStep` bits and gives `outputsPerStep` bits each
// step. responses[j] is what a single 1 at input position j of a step gives:
// `outputsPerStep` bits for that step and for each of the `memorySteps` after
// it (the code is linear, so any input is the sum of such responses).
struct ConvolutionalCode {
    std::size_t inputsPerStep;
    std::size_t outputsPerStep;
    std::size_t memorySteps;
    std::array<std::string_view, 3> responses;
};

// The responses were measured one input bit at a time on recorded outputs of
// the four codes.
constexpr ConvolutionalCode kEcc050 = {
    3, 4, 3, {"1001001101100110", "0101011100011100", "0011101110001001"}};
constexpr ConvolutionalCode kEcc080 = {
    2, 3, 11, {"101110000100010111101101010010110000", "011001001110001000010101110011000101", ""}};
constexpr ConvolutionalCode kEcc100 = {1, 2, 15, {"11011001011011101010100100010111", "", ""}};
constexpr ConvolutionalCode kEcc140 = {
    1, 4, 13, {"11110011001101001111001100001111010001111101011110111111", "", ""}};

static_assert(kEcc050.responses[0].size() == (kEcc050.memorySteps + 1) * kEcc050.outputsPerStep);
static_assert(kEcc080.responses[1].size() == (kEcc080.memorySteps + 1) * kEcc080.outputsPerStep);
static_assert(kEcc100.responses[0].size() == (kEcc100.memorySteps + 1) * kEcc100.outputsPerStep);
static_assert(kEcc140.responses[0].size() == (kEcc140.memorySteps + 1) * kEcc140.outputsPerStep);

const ConvolutionalCode* codeOf(LegacyLevel level) {
    switch (level) {
    case LegacyLevel::Ecc000:
        return nullptr;
    case LegacyLevel::Ecc050:
        return &kEcc050;
    case LegacyLevel::Ecc080:
        return &kEcc080;
    case LegacyLevel::Ecc100:
        return &kEcc100;
    case LegacyLevel::Ecc140:
        return &kEcc140;
    }
    return nullptr;
}

} // namespace

LegacyBits convolve(LegacyLevel level, const LegacyBits& input) {
    const ConvolutionalCode* code = codeOf(level);
    if (code == nullptr)
        return input;
    const std::size_t steps = (input.size() + code->inputsPerStep - 1) / code->inputsPerStep;
    LegacyBits output((steps + code->memorySteps) * code->outputsPerStep, 0);
    for (std::size_t i = 0; i < input.size(); ++i) {
        if (input[i] == 0)
            continue;
        const std::size_t start = (i / code->inputsPerStep) * code->outputsPerStep;
        const std::string_view response = code->responses[i % code->inputsPerStep];
        for (std::size_t t = 0; t < response.size(); ++t)
            output[start + t] ^= static_cast<std::uint8_t>(response[t] - '0');
    }
    return output;
}

} // namespace vornik::twod
