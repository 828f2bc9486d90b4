#include <string>
#include <utility>

#include "core/string_format.h"
#include "letters/letter_recognition.h"
#include "letters/letter_sample.h"
#include "letters/letter_store.h"
#include "letters/stroke_normalization.h"
#include "letters/studio_notifications.h"
#include "log/gesture_log.h"

namespace velmor {

namespace {

void postOnMainQueue(platform::Platform& platform, std::string_view name, Value object) {
    platform.scheduler().asyncMain(
        [&platform, notificationName = std::string(name), payload = std::move(object)] {
            platform.notifications().post(notificationName, payload);
        });
}

void rejectTrainingDrawing(platform::Platform& platform, const std::string& letter) {
    VLStudioLog(platform, "studio=" + letter + " training rejected: too small/short");
    postOnMainQueue(platform, kStudioRejectedNotification, Value(letter));
}

}  // namespace

void VLTrainLetterStroke(platform::Platform& platform, const std::string& letter,
                         std::int64_t remaining, std::span<const Point> trace) {
    const std::optional<LetterSample> sample = VLNormalizeAlphabetStroke(trace);
    if (!sample) {
        rejectTrainingDrawing(platform, letter);
        return;
    }

    platform::UserDefaults& defaults = platform.defaults();
    Value::Array pending;
    if (const std::optional<Value> stored = defaults.array(defaults_key::kStudioTrainingPending)) {
        pending = *stored->asArray();
    }
    pending.push_back(letterSampleValue(*sample));
    const std::size_t pendingCount = pending.size();
    remaining -= 1;

    const Value pendingValue(std::move(pending));
    defaults.set(defaults_key::kStudioTrainingPending, pendingValue);
    defaults.setInteger(defaults_key::kStudioTrainingRemaining, remaining);
    if (remaining == 0) {
        // The letter's old samples are replaced only now, so a training given up half-way
        // leaves them as they were.
        defaults.set(VLLetterTemplatesKey(letter), pendingValue);
        defaults.remove(defaults_key::kStudioTrainingPending);
        defaults.remove(defaults_key::kStudioTrainingLetter);
    }

    VLStudioLog(platform,
                formatString("studio=%s trained sample=%zu remaining=%lld", letter.c_str(),
                             pendingCount, static_cast<long long>(remaining)));
    postOnMainQueue(platform, kStudioProgressNotification,
                    Value(Value::Dictionary{{"letter", Value(letter)},
                                            {"remaining", Value::integer(remaining)}}));
}

}  // namespace velmor
