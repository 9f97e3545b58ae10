#pragma once

#include <QString>

#include <string>

// The letter table keeps the Latin characters that the Symbol font draws as Greek letters.
// This turns them into the Greek code points, so that any Unicode font shows the same letter.
QString greekFromSymbolText(const std::string& symbolText);
