// How an operation that can fail says so: a Result<T> holds either its value or an Error that
// tells what went wrong, with which file, and the system's error number. It is std::expected where
// the standard library has it, and a small type of the same shape where it does not, so that
// callers are written once for both:
//
//     Result<std::string> bytes = ReadWholeFile(path);
//     if (!bytes) return Failure(bytes.error());
//     Use(*bytes);
#pragma once

#include <version>

#include <cstring>
#include <string>
#include <utility>

#if defined(__cpp_lib_expected) && __cpp_lib_expected >= 202202L
#include <expected>
#else
#include <exception>
#include <type_traits>
#include <variant>
#endif

namespace orvan {

/// What kind of failure an Error is.
enum class ErrorCode {
    Missing,      // there is no such file
    NotAFile,     // a folder, a FIFO, a device stands where a file belongs
    TooLarge,     // longer than the program reads
    ReadFailed,   // the system could not open or read it
    WriteFailed,  // the system could not create, write, flush, rename or remove it
    Damaged,      // it was read, but it is not in the form the program writes
    Refused,      // the program declined to act on it (it could lose or damage data)
};

/// \brief Why an operation failed: the code, the file concerned (empty when none), the system's
/// error number (0 when the system did not fail) and a message in English that names the file
/// and the system's reason, for the command line and the details of a message box.
struct Error {
    ErrorCode code = ErrorCode::ReadFailed;
    std::string path;
    int errorNumber = 0;
    std::string message;

    /// The system's own words for `errorNumber`; empty when it is 0.
    std::string systemReason() const {
        return errorNumber != 0 ? std::string(std::strerror(errorNumber)) : std::string();
    }
    /// What to add after a message that already names the file: the system's words, or the
    /// whole message where the system did not fail.
    std::string reason() const { return errorNumber != 0 ? systemReason() : message; }
    bool operator==(const Error&) const = default;
};

/// \brief An error of the system, told as the program tells it: "cannot create /a/b: No space
/// left on device" for (WriteFailed, "cannot create", "/a/b", ENOSPC).
inline Error SystemError(ErrorCode code, const std::string& what, const std::string& path,
                         int errorNumber) {
    return {code, path, errorNumber, what + " " + path + ": " + std::strerror(errorNumber)};
}

#if defined(__cpp_lib_expected) && __cpp_lib_expected >= 202202L

template <class T>
using Result = std::expected<T, Error>;
using Failure = std::unexpected<Error>;
using BadResultAccess = std::bad_expected_access<Error>;

#else

/// \brief The error a Result is made from: `return Failure(error);`.
class Failure {
  public:
    explicit Failure(Error error) : error_(std::move(error)) {}
    const Error& error() const& { return error_; }
    Error&& error() && { return std::move(error_); }

  private:
    Error error_;
};

/// \brief Thrown by value() on a Result that holds an error.
class BadResultAccess : public std::exception {
  public:
    explicit BadResultAccess(Error error) : error_(std::move(error)) {}
    const char* what() const noexcept override { return error_.message.c_str(); }
    const Error& error() const { return error_; }

  private:
    Error error_;
};

template <class T>
class Result;

template <class T>
inline constexpr bool kIsResult = false;
template <class T>
inline constexpr bool kIsResult<Result<T> > = true;

/// \brief A value of T, or the Error that kept it from being made.
template <class T>
class Result {
  public:
    Result() requires std::is_default_constructible_v<T> : state_(std::in_place_index<0>) {}
    template <class U = T>
    requires(std::is_constructible_v<T, U&&> && !std::is_same_v<std::remove_cvref_t<U>, Result> &&
             !std::is_same_v<std::remove_cvref_t<U>, Failure>) Result(U&& value)
        : state_(std::in_place_index<0>, std::forward<U>(value)) {}
    Result(const Failure& failure) : state_(std::in_place_index<1>, failure.error()) {}
    Result(Failure&& failure) : state_(std::in_place_index<1>, std::move(failure).error()) {}

    bool has_value() const { return state_.index() == 0; }
    explicit operator bool() const { return has_value(); }

    T& value() & { return checked(), std::get<0>(state_); }
    const T& value() const& { return checked(), std::get<0>(state_); }
    T&& value() && { return checked(), std::move(std::get<0>(state_)); }
    T& operator*() & { return std::get<0>(state_); }
    const T& operator*() const& { return std::get<0>(state_); }
    T&& operator*() && { return std::move(std::get<0>(state_)); }
    T* operator->() { return &std::get<0>(state_); }
    const T* operator->() const { return &std::get<0>(state_); }
    template <class U>
    T value_or(U&& other) const& {
        return has_value() ? **this : static_cast<T>(std::forward<U>(other));
    }
    template <class U>
    T value_or(U&& other) && {
        return has_value() ? std::move(**this) : static_cast<T>(std::forward<U>(other));
    }

    const Error& error() const& { return std::get<1>(state_); }
    Error&& error() && { return std::move(std::get<1>(state_)); }

    template <class U>
    friend bool operator==(const Result& result, const Result<U>& other) {
        if (result.has_value() != other.has_value()) return false;
        return result.has_value() ? *result == *other : result.error() == other.error();
    }
    template <class U>
    requires(!std::is_same_v<std::remove_cvref_t<U>, Failure> && !kIsResult<U>) friend bool
    operator==(const Result& result, const U& value) {
        return result.has_value() && *result == value;
    }
    friend bool operator==(const Result& result, const Failure& failure) {
        return !result.has_value() && result.error() == failure.error();
    }

  private:
    void checked() const {
        if (!has_value()) throw BadResultAccess(error());
    }
    std::variant<T, Error> state_;
};

/// \brief Done, or the Error that kept it from being done.
template <>
class Result<void> {
  public:
    Result() = default;
    Result(const Failure& failure) : error_(failure.error()), failed_(true) {}
    Result(Failure&& failure) : error_(std::move(failure).error()), failed_(true) {}

    bool has_value() const { return !failed_; }
    explicit operator bool() const { return has_value(); }
    void value() const {
        if (failed_) throw BadResultAccess(error_);
    }
    const Error& error() const& { return error_; }
    Error&& error() && { return std::move(error_); }

  private:
    Error error_;
    bool failed_ = false;
};

#endif

}  // namespace orvan
