// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime_error.h"

namespace letterfibel {

std::string errorText(ErrorCode code) {
    switch (code) {
    case ErrorCode::InvalidCall:
        return "Ungültiger Prozeduraufruf oder ungültiges Argument";
    case ErrorCode::Overflow:
        return "Überlauf";
    case ErrorCode::SubscriptOutOfRange:
        return "Index außerhalb des gültigen Bereichs";
    case ErrorCode::TypeMismatch:
        return "Typen unverträglich";
    }
    return "Unbekannter Fehler";
}

RuntimeError::RuntimeError(ErrorCode code)
    : std::runtime_error(errorText(code))
    , m_code(code) {}

RuntimeError::RuntimeError(ErrorCode code, const std::string& detail)
    : std::runtime_error(errorText(code) + " (" + detail + ")")
    , m_code(code) {}

SubscriptError::SubscriptError(int index, int lower, int upper)
    : RuntimeError(ErrorCode::SubscriptOutOfRange, std::to_string(index) + " liegt nicht in " +
                                                       std::to_string(lower) + " bis " +
                                                       std::to_string(upper)) {}

} // namespace letterfibel
