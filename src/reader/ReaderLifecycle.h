#pragma once

namespace suite::reader {

// What a closing reader window asks of whoever owns it.
class ReaderLifecycle {
public:
    virtual ~ReaderLifecycle() = default;
    // A fresh window takes the place of the closing one.
    virtual void restartWindow() = 0;
    // The program ends.
    virtual void endProgram() = 0;
};

} // namespace suite::reader
