#pragma once

#include "platform/control.h"

namespace olvane::platform
{

enum class Bevel : std::uint8_t
{
    None,
    Raised,
    Lowered,
};

/// A filled rectangle that holds other controls, with an optional edge and centred caption.
class Panel : public Control
{
public:
    explicit Panel(Control* parent);

    Bevel bevel = Bevel::Raised;

    void Paint(Canvas& canvas) override;
};

class PageControl;

/// One page of a page control; its controls show only while it is the active page.
class TabSheet : public Control
{
public:
    explicit TabSheet(PageControl* parent);

    void Paint(Canvas& canvas) override;
};

/// Pages with tabs along the top; clicking a tab shows its page.
class PageControl : public Control
{
public:
    explicit PageControl(Control* parent);

    static constexpr int TabHeight = 20;

    int ActivePage() const { return activePage_; }

    void SetActivePage(int index);

    std::vector<TabSheet*> Pages() const;

    /// The tab's rectangle in the control's coordinates.
    Rect TabRect(int index);

    std::function<void()> onChange;

    void Paint(Canvas& canvas) override;
    void MouseDown(MouseButton button, ShiftState shift, Point p) override;

private:
    void Layout();

    int activePage_ = 0;
};

/// A bar filled in proportion to position between min and max.
class ProgressBar : public Control
{
public:
    explicit ProgressBar(Control* parent);

    int min = 0;
    int max = 100;
    int position = 0;

    void Paint(Canvas& canvas) override;
};

} // namespace olvane::platform
