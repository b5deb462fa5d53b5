// Helpers of the fuzz targets: an input split into the values a target needs, the check
// that stops a run when a property does not hold, and the application object of targets
// that reach widgets or the clipboard.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace vekfuzz {

/// Takes values from the front of a fuzz input. Every taker works on a used-up input too
/// (giving 0 or ""), so a target never needs to check the length itself.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size);

    bool AtEnd() const { return FPos >= FBytes.size(); }
    uint8_t Byte();
    /// A value in lo..hi from one byte.
    int IntIn(int lo, int hi);
    /// Eight bytes reinterpreted, so every double (NaN, infinities, subnormals) occurs.
    double Double();
    /// Eight bytes reinterpreted as a signed integer.
    qint64 Int64();
    /// The UTF-8 text up to the next line feed (which is dropped), or the rest.
    QString Line();
    /// The rest of the input: as raw bytes and as UTF-8 text.
    QByteArray RestBytes();
    QString Rest();

private:
    QByteArray FBytes;
    qsizetype FPos = 0;
};

/// What Fail throws in the replay test, which names the input that broke the property.
class PropertyBroken : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Reports a broken property with the input's decisive texts: aborts under the fuzzer,
/// so that it keeps the input as a crash, and throws PropertyBroken in the replay test.
[[noreturn]] void Fail(const char* property, const QString& detail);

/// Creates the QApplication on the offscreen platform unless one exists (the replay
/// test's main has made its own).
void EnsureApplication();

} // namespace vekfuzz

/// Fails the run with detail when cond does not hold.
#define VEK_FUZZ_REQUIRE(cond, detail)                                                     \
    do {                                                                                   \
        if (!(cond))                                                                       \
            ::vekfuzz::Fail(#cond, (detail));                                              \
    } while (false)
