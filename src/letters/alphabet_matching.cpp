#include <string>

#include "core/string_format.h"
#include "letters/alphabet_match_decision.h"
#include "letters/decoded_sample_memo.h"
#include "letters/letter_recognition.h"
#include "letters/letter_sample.h"
#include "letters/letter_store.h"
#include "letters/stroke_distance.h"
#include "letters/stroke_normalization.h"
#include "log/gesture_log.h"

namespace velmor {

namespace {

constexpr double kMatchLogBound = 0.38;

struct AlphabetRanking {
    std::optional<std::string> candidate;
    double best = kNotComparableError;
    double second = kNotComparableError;

    void consider(const std::string& letter, double letterError) {
        if (letterError < best) {
            second = best;
            best = letterError;
            candidate = letter;
        } else if (letterError < second) {
            second = letterError;
        }
    }
};

// The smallest error of the drawing against the letter's stored samples; samples that are
// not of the 48-point form never lower it.
double letterError(const LetterSample& drawn,
                   const std::vector<std::optional<LetterSample>>& samples) {
    double error = kNotComparableError;
    for (const std::optional<LetterSample>& sample : samples) {
        if (!sample) {
            continue;
        }
        const double sampleError = VLAdaptiveStrokeError(drawn, *sample);
        if (sampleError < error) {
            error = sampleError;
        }
    }
    return error;
}

AlphabetRanking rankLetters(platform::Platform& platform, const LetterSample& drawn) {
    // Decoding 78 stored samples would cost more than comparing them; the memo cannot go
    // stale (see its note). The matcher runs on the main thread only.
    thread_local DecodedSampleMemo decoded;
    AlphabetRanking ranking;
    for (const std::string& letter : alphabetLetters()) {
        const std::optional<Value> samples = VLLetterSamples(platform.defaults(), letter);
        const std::optional<std::string> action = VLLetterAction(platform, letter);
        if (!samples || !action || action->empty()) {
            continue;
        }
        ranking.consider(letter, letterError(drawn, decoded.samplesOf(*samples)));
    }
    decoded.forgetUnused();
    return ranking;
}

void logMatch(platform::Platform& platform, const AlphabetRanking& ranking,
              const AlphabetMatchDecision& decision) {
    const std::string reason(alphabetMatchReasonLabel(decision.reason));
    VLStudioLog(platform,
                formatString("studio=alphabet candidate=%s error=%.3f second=%.3f gap=%.3f "
                             "matched=%s reason=%s",
                             ranking.candidate->c_str(), ranking.best, ranking.second,
                             ranking.second - ranking.best, decision.accepted ? "YES" : "NO",
                             reason.c_str()));
}

}  // namespace

std::optional<std::string> VLMatchAlphabetStroke(platform::Platform& platform,
                                                 std::span<const Point> trace) {
    const std::optional<LetterSample> drawn = VLNormalizeAlphabetStroke(trace);
    if (!drawn) {
        return std::nullopt;
    }
    const AlphabetRanking ranking = rankLetters(platform, *drawn);
    if (!ranking.candidate) {
        return std::nullopt;
    }
    const bool strokeIsOpen = *ranking.candidate == "O" && VLIsOpenStroke(trace);
    const AlphabetMatchDecision decision =
        VLDecideAlphabetMatch(ranking.best, ranking.second, *ranking.candidate, strokeIsOpen);
    if (ranking.best < kMatchLogBound) {
        logMatch(platform, ranking, decision);
    }
    if (!decision.accepted) {
        return std::nullopt;
    }
    return ranking.candidate;
}

}  // namespace velmor
