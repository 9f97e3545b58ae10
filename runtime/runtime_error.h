// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>
#include <string>

namespace letterfibel {

// Which error it was; each has its German text, since the window shows the message to the user
// as it is.
enum class ErrorCode {
    InvalidCall = 5,
    Overflow = 6,
    SubscriptOutOfRange = 9,
    TypeMismatch = 13,
};

class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(ErrorCode code);
    RuntimeError(ErrorCode code, const std::string& detail);

    ErrorCode code() const { return m_code; }

private:
    ErrorCode m_code;
};

class SubscriptError : public RuntimeError {
public:
    SubscriptError(int index, int lower, int upper);
};

// German text of an error, for the message the window shows.
std::string errorText(ErrorCode code);

} // namespace letterfibel
