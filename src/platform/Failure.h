#pragma once

#include <QString>

#include <utility>
#include <variant>

// Why something the program tried with a file did not happen. `what` is the kind, `path` the
// file, `detail` the system's or the reader's own words (may be empty). The words the user
// reads come from describe() (platform/FailureText.h), nowhere else.
struct Failure
{
    enum class What {
        Missing,         // no file at the path
        CannotRead,      // the system refused to read it; detail: its words
        CannotWrite,     // the system refused to write it; detail: its words
        Folder,          // a folder where a file was expected
        Device,          // a device or a pipe, read
        NotRegular,      // anything but a regular file, written
        TooLarge,        // a file larger than the reader takes; detail: the limit, "N bytes"
        Empty,           // a file with nothing in it, where a picture was expected
        ChangedOnDisk,   // a guarded write found another file, or another state, at the path
        NotAPicture,     // a picture reader refused it; detail: the reader's words
        DamagedPicture,  // a calculator picture file that does not decode; detail: the decoder's words
        PictureTooLarge, // a picture no picture file can hold; detail: "W x H pixels: N bytes of pixel data"
        CannotEncode,    // the picture could not be turned into the file's bytes; detail: why
        NoPage,          // the page could not be drawn (no display, a printing failure)
        LinkFailed,      // a transfer with the calculator did not happen; detail: the link's words
    };

    What what = What::CannotRead;
    QString path;
    QString detail;

    bool operator==(const Failure &) const = default;
};

// A picture reader's refusal, in its own words; readers that see only bytes name no file.
inline Failure notAPicture(const QString &reason, const QString &path = {})
{
    return {Failure::What::NotAPicture, path, reason};
}

// A value, or the failure that kept it from being made.
template<class T>
class Outcome
{
public:
    Outcome(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    Outcome(Failure failure) : m_state(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    T &value() { return std::get<0>(m_state); }
    const T &value() const { return std::get<0>(m_state); }
    T *operator->() { return &value(); }
    const T *operator->() const { return &value(); }
    T &operator*() { return value(); }
    const T &operator*() const { return value(); }

    const Failure &failure() const { return std::get<1>(m_state); }

private:
    std::variant<T, Failure> m_state;
};

// Something done, or the failure that kept it from being done (a write, a print).
template<>
class Outcome<void>
{
public:
    Outcome() = default;
    Outcome(Failure failure) : m_failure(std::move(failure)), m_ok(false) {}

    bool ok() const { return m_ok; }
    explicit operator bool() const { return ok(); }
    const Failure &failure() const { return m_failure; }

private:
    Failure m_failure;
    bool m_ok = true;
};

using Done = Outcome<void>;
