#pragma once

#include <QString>

namespace suite {

// The outcome of an operation that can fail for a reason the user should read.
struct Result {
    bool ok = true;
    QString error;

    static Result success() { return {}; }
    static Result failure(QString why) { return { false, std::move(why) }; }
    explicit operator bool() const { return ok; }
};

} // namespace suite
