#pragma once

#include "platform/control.h"

namespace olvane::platform
{

enum class Alignment : std::uint8_t
{
    Left,
    Centre,
    Right,
};

/// Text on a form: on its own colour or transparent, aligned, optionally wrapped at word
/// boundaries (and always at line breaks).
class Label : public Control
{
public:
    explicit Label(Control* parent);

    bool transparent = false;
    Alignment alignment = Alignment::Left;
    bool wordWrap = false;
    /// Takes the size of its text (without word wrap) each time it is painted, keeping its left
    /// and top.
    bool autoSize = false;

    void Arrange() override;

    void Paint(Canvas& canvas) override;

    /// The caption broken into the lines it is drawn in.
    std::vector<std::string> Lines(Canvas& canvas) const;
};

} // namespace olvane::platform
