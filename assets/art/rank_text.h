#pragma once

#include <QPainterPath>
#include <QString>

namespace troven::art {

// The outline of text in the bold face used for card ranks, sized so that its capital letters
// are capHeight pixels tall, with the start of its baseline at (0, 0). The face is read from its
// font file rather than looked up by name, so the outlines never depend on the font configuration
// of the machine. Throws std::runtime_error when the font file is missing.
QPainterPath rankTextPath(const QString& text, double capHeight);

}  // namespace troven::art
