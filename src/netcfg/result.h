#pragma once

#include <QString>

#include <optional>
#include <utility>

// Why an operation failed, in plain words that name what failed and nothing of the face that
// shows it ("Cannot write /media/card/NET.CFG: Read-only file system"). A window puts its own
// message around it, the command line its own.
struct Failure
{
    QString reason;
};

// What an operation that can fail gives back: its value, or the Failure. A Failure converts
// to every Result, so that a step passes on the failure of the step before:
//     if (!stored) return stored.failure();
template<typename T> class [[nodiscard]] Result
{
public:
    Result(T value)
        : m_value(std::move(value))
    { }
    Result(Failure failure)
        : m_failure(std::move(failure))
    { }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }

    const T &value() const & { return *m_value; }
    T &value() & { return *m_value; }
    T &&value() && { return *std::move(m_value); }
    const T &operator*() const & { return *m_value; }
    const T *operator->() const { return &*m_value; }

    const Failure &failure() const { return m_failure; }
    const QString &reason() const { return m_failure.reason; }

private:
    std::optional<T> m_value;
    Failure m_failure;
};

template<> class [[nodiscard]] Result<void>
{
public:
    Result() = default;
    Result(Failure failure)
        : m_failed(true)
        , m_failure(std::move(failure))
    { }

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }

    const Failure &failure() const { return m_failure; }
    const QString &reason() const { return m_failure.reason; }

private:
    bool m_failed = false;
    Failure m_failure;
};
