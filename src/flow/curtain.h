#pragma once

#include "platform/form.h"
#include "platform/picture.h"

namespace olvane
{

class DataFiles;

/// The curtain that stands behind the windows of a game's start, over the menu: a borderless
/// full-screen picture and nothing else.
class Tf_zavesa : public platform::Form
{
public:
    explicit Tf_zavesa(const DataFiles& files);

    /// Loads the picture once, ahead of the first showing.
    void Preload();

    void FormShow();
    void FormPaint(platform::Canvas& canvas);

private:
    const DataFiles& files_;
    platform::Picture picture_;
};

} // namespace olvane
