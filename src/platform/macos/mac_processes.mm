#include "platform/macos/mac_processes.h"

#import <Foundation/Foundation.h>

#include "platform/macos/foundation_text.h"

namespace velmor::macos {

namespace {

std::string bytesOf(NSData* data) {
    if (data.length == 0) {
        return {};
    }
    return std::string(static_cast<const char*>(data.bytes), data.length);
}

}  // namespace

platform::ProcessOutcome MacProcesses::runAndWait(const platform::ProcessRequest& request) {
    platform::ProcessOutcome outcome;
    @autoreleasepool {
        NSTask* task = [[NSTask alloc] init];
        task.executableURL = [NSURL fileURLWithPath:foundationText(request.path)];
        NSMutableArray<NSString*>* arguments = [NSMutableArray array];
        for (const std::string& argument : request.arguments) {
            [arguments addObject:foundationText(argument)];
        }
        task.arguments = arguments;
        NSPipe* output = request.pipeStandardOutput ? [NSPipe pipe] : nil;
        NSPipe* error = request.pipeStandardError ? [NSPipe pipe] : nil;
        if (output != nil) {
            task.standardOutput = output;
        }
        if (error != nil) {
            task.standardError = error;
        }
        // Foundation reports some failures by raising; they end here, as a failed run.
        @try {
            NSError* launchError = nil;
            // Replaces the launch that raised for a missing program.
            if (![task launchAndReturnError:&launchError]) {
                outcome.failureReason = utf8Text(launchError.localizedDescription);
                return outcome;
            }
            outcome.launched = true;
            // Both pipes are read at once, so a child that fills one is never stuck.
            __block NSData* outputBytes = nil;
            dispatch_group_t reading = dispatch_group_create();
            if (output != nil) {
                dispatch_group_async(reading, dispatch_get_global_queue(QOS_CLASS_UTILITY, 0), ^{
                  outputBytes = [output.fileHandleForReading readDataToEndOfFile];
                });
            }
            NSData* errorBytes = error ? [error.fileHandleForReading readDataToEndOfFile] : nil;
            dispatch_group_wait(reading, DISPATCH_TIME_FOREVER);
            [task waitUntilExit];
            outcome.exitStatus = task.terminationStatus;
            outcome.standardOutput = bytesOf(outputBytes);
            outcome.standardError = bytesOf(errorBytes);
        } @catch (NSException* exception) {
            outcome.failureReason =
                exception.reason ? utf8Text(exception.reason) : std::string("launch failed");
        }
    }
    return outcome;
}

}  // namespace velmor::macos
