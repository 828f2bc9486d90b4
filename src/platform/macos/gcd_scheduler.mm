#include "platform/macos/gcd_scheduler.h"

#import <AppKit/AppKit.h>
#include <dispatch/dispatch.h>
#include <pthread.h>

#include <cstdio>
#include <map>
#include <mutex>
#include <thread>

#include "platform/macos/cf_ref.h"

namespace velmor::macos {

namespace {

// The block is copied into the dispatch block; each run gets its own pool for the
// temporary objects of the frameworks.
void submit(dispatch_queue_t queue, platform::Block block) {
    dispatch_async(queue, ^{
      @autoreleasepool {
          block();
      }
    });
}

class RunLoopTimer : public platform::Timer {
public:
    explicit RunLoopTimer(CFRef<CFRunLoopTimerRef> timer) : timer_(std::move(timer)) {}
    ~RunLoopTimer() override { invalidate(); }
    void invalidate() override { CFRunLoopTimerInvalidate(timer_.get()); }
    bool isValid() const override { return CFRunLoopTimerIsValid(timer_.get()); }

private:
    CFRef<CFRunLoopTimerRef> timer_;
};

}  // namespace

struct GcdScheduler::SerialQueues {
    std::mutex mutex;
    std::map<std::string, dispatch_queue_t> queues;  // kept for the life of the process

    dispatch_queue_t queueFor(const std::string& label) {
        const std::lock_guard lock(mutex);
        dispatch_queue_t& queue = queues[label];
        if (queue == nil) {
            queue = dispatch_queue_create(label.c_str(), DISPATCH_QUEUE_SERIAL);
        }
        return queue;
    }
};

GcdScheduler::GcdScheduler() : serialQueues_(std::make_unique<SerialQueues>()) {}

GcdScheduler::~GcdScheduler() = default;

void GcdScheduler::asyncMain(platform::Block block) {
    submit(dispatch_get_main_queue(), std::move(block));
}

void GcdScheduler::asyncUserInitiated(platform::Block block) {
    submit(dispatch_get_global_queue(QOS_CLASS_USER_INITIATED, 0), std::move(block));
}

void GcdScheduler::asyncSerial(const std::string& label, platform::Block block) {
    submit(serialQueues_->queueFor(label), std::move(block));
}

std::unique_ptr<platform::Timer> GcdScheduler::scheduleRepeatingTimer(double intervalSeconds,
                                                                      platform::Block action,
                                                                      platform::TimerMode mode) {
    checkMainThread("scheduleRepeatingTimer");
    CFRef<CFRunLoopTimerRef> timer(CFRunLoopTimerCreateWithHandler(
        kCFAllocatorDefault, CFAbsoluteTimeGetCurrent() + intervalSeconds, intervalSeconds, 0, 0,
        ^(CFRunLoopTimerRef) {
          @autoreleasepool {
              action();
          }
        }));
    // The default mode is not run while a modal alert or panel is open.
    const CFRunLoopMode runLoopMode = mode == platform::TimerMode::pausesDuringModal
                                          ? kCFRunLoopDefaultMode
                                          : kCFRunLoopCommonModes;
    CFRunLoopAddTimer(CFRunLoopGetMain(), timer.get(), runLoopMode);
    return std::make_unique<RunLoopTimer>(std::move(timer));
}

void GcdScheduler::runMainLoop() {
    checkMainThread("runMainLoop");
    if (NSApp != nil) {
        [NSApp run];
    } else {
        CFRunLoopRun();
    }
}

void GcdScheduler::quitMainLoop() {
    dispatch_async(dispatch_get_main_queue(), ^{
      if (NSApp != nil && NSApp.running) {
          [NSApp stop:nil];
          // The application looks at the stop only after an event; this one wakes it.
          NSEvent* wake = [NSEvent otherEventWithType:NSEventTypeApplicationDefined
                                             location:NSZeroPoint
                                        modifierFlags:0
                                            timestamp:0
                                         windowNumber:0
                                              context:nil
                                              subtype:0
                                                data1:0
                                                data2:0];
          [NSApp postEvent:wake atStart:NO];
      } else {
          CFRunLoopStop(CFRunLoopGetMain());
      }
    });
}

double GcdScheduler::absoluteTime() const {
    return CFAbsoluteTimeGetCurrent();
}

double GcdScheduler::secondsSince1970() const {
    return CFAbsoluteTimeGetCurrent() + kCFAbsoluteTimeIntervalSince1970;
}

void GcdScheduler::sleepMicroseconds(unsigned microseconds) {
    std::this_thread::sleep_for(std::chrono::microseconds(microseconds));
}

bool checkMainThread(const char* call) {
    if (pthread_main_np() != 0) {
        return true;
    }
    std::fprintf(stderr, "velmor: %s is main-thread only and was called from another thread\n",
                 call);
    return false;
}

}  // namespace velmor::macos
