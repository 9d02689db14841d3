#include "support/quiet_host.h"

namespace vornik::fuzz {

MessageAnswer QuietHost::showMessage(const MessageBox& box) {
    switch (box.buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::OkCancel:
        return goAhead_ ? MessageAnswer::Ok : MessageAnswer::Cancel;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
        if (goAhead_)
            return MessageAnswer::Yes;
        return box.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
    case MessageButtons::RetryCancel:
        return goAhead_ ? MessageAnswer::Retry : MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

} // namespace vornik::fuzz
