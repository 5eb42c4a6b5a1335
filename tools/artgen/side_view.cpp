#include "units.h"

#include <algorithm>
#include <cmath>

namespace olvane::artgen
{

namespace
{

struct Look
{
    Colour hull, upper, dark, outline;
    SideStyle style;
};

void Paint(cairo_t* cr, const Look& look, Colour fill)
{
    switch (look.style)
    {
        case SideStyle::Silhouette:
            SetColour(cr, look.outline);
            cairo_fill(cr);
            break;
        case SideStyle::Painted:
            SetColour(cr, fill);
            cairo_fill_preserve(cr);
            SetColour(cr, look.outline);
            cairo_set_line_width(cr, 0.8);
            cairo_stroke(cr);
            break;
        case SideStyle::Blueprint:
            SetColour(cr, look.outline);
            cairo_set_line_width(cr, 1.4);
            cairo_stroke(cr);
            break;
    }
}

void Line(cairo_t* cr, const Look& look, double x0, double y0, double x1, double y1, double width)
{
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    SetColour(cr, look.outline);
    cairo_set_line_width(cr, std::max(look.style == SideStyle::Blueprint ? 1.2 : 0.7, width));
    cairo_stroke(cr);
}

/// A ship's side view between stern x0 and bow x1 on waterline wl; `unit` scales the details.
class Profile
{
public:
    Profile(cairo_t* cr, const Look& look, double x0, double x1, double wl, double unit, double freeboard)
        : cr_(cr), look_(look), x0_(x0), len_(x1 - x0), wl_(wl), u_(unit), fb_(freeboard)
    {
    }

    /// The deck's height at fraction t of the length from the stern: a sheer rising to the bow.
    double Deck(double t) const { return wl_ - fb_ * (0.9 + 0.45 * t * t * t); }

    double X(double t) const { return x0_ + len_ * t; }

    void Hull(bool cruiserStern)
    {
        cairo_move_to(cr_, X(0.03), wl_);
        if (cruiserStern)
        {
            cairo_curve_to(cr_, X(0.0), wl_ - fb_ * 0.2, X(-0.005), Deck(0) + fb_ * 0.3, X(0.0), Deck(0));
        }
        else
        {
            cairo_line_to(cr_, X(0.0), wl_ - fb_ * 0.5);
            cairo_line_to(cr_, X(0.005), Deck(0));
        }
        for (int i = 1; i <= 10; ++i)
        {
            cairo_line_to(cr_, X(i / 10.0), Deck(i / 10.0));
        }
        // A raked stem down to the forefoot.
        cairo_curve_to(cr_, X(0.99), Deck(1) + fb_ * 0.5, X(0.965), wl_ - fb_ * 0.2, X(0.95), wl_);
        cairo_close_path(cr_);
        Paint(cr_, look_, look_.hull);
        if (look_.style == SideStyle::Painted)
        {
            // Boot-topping along the waterline.
            cairo_rectangle(cr_, X(0.02), wl_ - u_ * 0.35, len_ * 0.94, u_ * 0.35);
            SetColour(cr_, Hex(0x6a2a24));
            cairo_fill(cr_);
        }
    }

    void Box(double t, double width, double height, double lift, Colour c)
    {
        const double base = Deck(t) - lift;
        cairo_rectangle(cr_, X(t) - width / 2, base - height, width, height + lift + 0.5);
        Paint(cr_, look_, c);
    }

    void Turret(double t, double size, bool aft, double lift, int barrels)
    {
        const double base = Deck(t) - lift;
        const double dir = aft ? -1 : 1;
        for (int i = 0; i < barrels; ++i)
        {
            const double y = base - u_ * (0.45 + i * 0.12);
            cairo_rectangle(cr_, X(t) + (dir > 0 ? size * 0.4 : -size * 0.4 - size * 1.3), y - u_ * 0.09, size * 1.3,
                            u_ * 0.18);
            Paint(cr_, look_, look_.dark);
        }
        cairo_move_to(cr_, X(t) - size * 0.65, base + lift + 0.5);
        cairo_line_to(cr_, X(t) - size * 0.65, base - u_ * 0.35);
        cairo_line_to(cr_, X(t) - dir * size * 0.45, base - u_ * 0.85);
        cairo_line_to(cr_, X(t) + dir * size * 0.55, base - u_ * 0.85);
        cairo_line_to(cr_, X(t) + size * 0.65, base - u_ * 0.35);
        cairo_line_to(cr_, X(t) + size * 0.65, base + lift + 0.5);
        cairo_close_path(cr_);
        Paint(cr_, look_, look_.dark);
    }

    void Funnel(double t, double width, double height)
    {
        const double base = Deck(t);
        const double rake = height * 0.18;
        cairo_move_to(cr_, X(t) - width / 2, base + 0.5);
        cairo_line_to(cr_, X(t) - width / 2 - rake, base - height);
        cairo_line_to(cr_, X(t) + width / 2 - rake, base - height);
        cairo_line_to(cr_, X(t) + width / 2, base + 0.5);
        cairo_close_path(cr_);
        Paint(cr_, look_, Mix(look_.upper, look_.dark, 0.45));
        cairo_rectangle(cr_, X(t) - width / 2 - rake, base - height - u_ * 0.15, width, u_ * 0.3);
        Paint(cr_, look_, Hex(0x1a1a1a));
    }

    /// A stepped bridge tower with windows and a mast above it; returns the mast's height.
    void Tower(double t, double width, int tiers, double mast)
    {
        double lift = 0;
        double w = width;
        for (int i = 0; i < tiers; ++i)
        {
            const double h = u_ * (i == 0 ? 1.0 : 0.8);
            Box(t + (i * 0.01), w, h, lift, look_.upper);
            if (look_.style == SideStyle::Painted && w > u_ * 1.5)
            {
                SetColour(cr_, Hex(0x1a2430));
                for (double wx = -w / 2 + u_ * 0.4; wx < w / 2 - u_ * 0.3; wx += u_ * 0.5)
                {
                    cairo_rectangle(cr_, X(t + i * 0.01) + wx, Deck(t) - lift - h * 0.7, u_ * 0.22, u_ * 0.2);
                }
                cairo_fill(cr_);
            }
            lift += h;
            w *= 0.72;
        }
        const double top = Deck(t) - lift;
        Line(cr_, look_, X(t + 0.005), top, X(t + 0.005), top - u_ * mast, u_ * 0.14);
        Line(cr_, look_, X(t - 0.02), top + u_ * 0.2, X(t + 0.003), top - u_ * mast * 0.7, u_ * 0.1);
        Line(cr_, look_, X(t + 0.03), top + u_ * 0.2, X(t + 0.007), top - u_ * mast * 0.7, u_ * 0.1);
        cairo_rectangle(cr_, X(t + 0.005) - u_ * 0.35, top - u_ * mast * 0.72, u_ * 0.7, u_ * 0.35);
        Paint(cr_, look_, look_.dark);
    }

private:
    cairo_t* cr_;
    Look look_;
    double x0_, len_, wl_, u_, fb_;
};

void WarshipProfile(Profile& p, const Design& d, const Look& look, double len, double unit)
{
    const bool capital = d.kind == Kind::Battleship;
    const bool small = d.kind == Kind::SmallCombatant || d.kind == Kind::Launch;
    const double t = std::max(unit * 1.1, len * (capital ? 0.06 : 0.05));
    const double step = t * 1.25 / len;
    const int barrels = small ? 1 : capital ? 3 : 2;
    // Fore turrets superfire over one another, as do the aft ones.
    double ft = 0.78;
    for (int i = 0; i < std::max(d.turretsFore, 1); ++i)
    {
        p.Turret(ft, t, false, i * unit * 0.45, barrels);
        ft -= step;
    }
    double at = 0.14;
    for (int i = 0; i < d.turretsAft; ++i)
    {
        p.Turret(at, t, true, i * unit * 0.45, barrels);
        at += step;
    }
    const double bridge = ft - 0.06;
    p.Tower(bridge, len * (capital ? 0.13 : 0.11), small ? 2 : capital ? 4 : 3, capital ? 3.2 : 2.6);
    for (int i = 0; i < d.funnels; ++i)
    {
        p.Funnel(bridge - 0.1 - i * 0.08, len * 0.04, unit * (capital ? 2.2 : 1.9));
    }
    const double house = bridge - 0.12 - d.funnels * 0.08;
    if (house > at + 0.04)
    {
        p.Box(house, len * 0.07, unit * 0.8, 0, look.upper);
    }
}

void CarrierProfile(Profile& p, const Design& d, const Look& look, double len, double unit)
{
    // Hangar sides, the flight deck over them and the island to one side.
    for (int i = 0; i < 8; ++i)
    {
        p.Box(0.1 + i * 0.1, len * 0.1 + 0.5, unit * 1.0, 0, i % 2 ? look.hull : look.upper);
    }
    p.Box(0.5, len * 1.02, unit * 0.35, unit * 1.0, look.dark);
    if (d.variant != 2)
    {
        p.Box(0.6, len * 0.09, unit * 1.3, unit * 1.35, look.upper);
        p.Box(0.58, len * 0.035, unit * 1.0, unit * 2.6, look.dark);
        p.Box(0.63, unit * 0.15, unit * 1.6, unit * 2.6, look.dark);
    }
}

void MerchantProfile(Profile& p, const Design& d, const Look& look, double len, double unit)
{
    p.Box(0.9, len * 0.14, unit * 0.8, 0, look.hull);  // forecastle
    p.Box(0.06, len * 0.12, unit * 0.8, 0, look.hull); // poop
    p.Tower(0.45, len * 0.16, 2, 1.6);
    p.Funnel(0.36, len * 0.05, unit * 1.9);
    for (double t : {0.7, 0.2})
    {
        p.Box(t, unit * 0.25, unit * 2.6, 0, look.dark);
        if (d.kind == Kind::Auxiliary)
        {
            // Cranes: a jib slanting out from each post.
            p.Box(t + 0.05, len * 0.09, unit * 0.2, unit * 2.0, look.dark);
        }
        else
        {
            p.Box(t + 0.06, len * 0.07, unit * 0.5, 0, look.dark); // hatch coaming
        }
    }
}

void SubmarineProfile(Profile& p, const Design& d, const Look& look, double len, double unit)
{
    p.Box(0.55, len * 0.11, unit * 1.3, 0, look.upper);
    p.Box(0.57, unit * 0.18, unit * 1.2, unit * 1.3, look.dark);
    p.Box(0.53, unit * 0.18, unit * 0.9, unit * 1.3, look.dark);
    if (d.variant == 1)
    {
        p.Turret(0.72, unit * 0.9, false, 0, 1);
    }
}

void PlaneProfile(cairo_t* cr, const Design& d, const Look& look, double w, double h)
{
    const bool big = d.kind == Kind::TwinBomber || d.kind == Kind::HeavyBomber || d.kind == Kind::FlyingBoat;
    const double len = w * (big ? 0.85 : 0.6);
    const double x0 = (w - len) / 2;
    const double cy = h * 0.5;
    const double body = h * (big ? 0.16 : 0.13);
    cairo_save(cr);
    cairo_translate(cr, x0 + len / 2, cy);
    cairo_scale(cr, len / 2, body);
    cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
    cairo_restore(cr);
    Paint(cr, look, look.hull);
    // Fin and tail plane.
    cairo_move_to(cr, x0 + len * 0.02, cy);
    cairo_line_to(cr, x0 + len * 0.02, cy - h * 0.32);
    cairo_line_to(cr, x0 + len * 0.14, cy - h * 0.32);
    cairo_line_to(cr, x0 + len * 0.25, cy);
    cairo_close_path(cr);
    Paint(cr, look, look.hull);
    // Wing seen edge-on, and engines.
    cairo_rectangle(cr, x0 + len * 0.45, cy - body * 0.2, len * 0.22, body * 0.5);
    Paint(cr, look, look.dark);
    if (big)
    {
        cairo_rectangle(cr, x0 + len * 0.55, cy + body * 0.3, len * 0.16, body * 0.8);
        Paint(cr, look, look.dark);
    }
    cairo_save(cr);
    cairo_translate(cr, x0 + len * 0.78, cy - body * 0.75);
    cairo_scale(cr, len * 0.07, body * 0.5);
    cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
    cairo_restore(cr);
    Paint(cr, look, look.style == SideStyle::Painted ? Hex(0x9fd8ff) : look.outline);
    if (d.kind == Kind::FlyingBoat)
    {
        cairo_rectangle(cr, x0 + len * 0.3, cy + body * 0.6, len * 0.45, body * 0.7);
        Paint(cr, look, look.hull);
    }
    if (d.kind == Kind::TorpedoBomber)
    {
        cairo_rectangle(cr, x0 + len * 0.35, cy + body * 1.0, len * 0.4, body * 0.4);
        Paint(cr, look, look.dark);
    }
}

void ShoreProfile(cairo_t* cr, const Design& d, const Look& look, double w, double h)
{
    const double ground = h * 0.85;
    cairo_move_to(cr, w * 0.15, ground);
    cairo_line_to(cr, w * 0.25, ground - h * 0.25);
    cairo_line_to(cr, w * 0.75, ground - h * 0.25);
    cairo_line_to(cr, w * 0.85, ground);
    cairo_close_path(cr);
    Paint(cr, look, look.hull);
    if (d.kind == Kind::Gun)
    {
        cairo_rectangle(cr, w * 0.38, ground - h * 0.45, w * 0.22, h * 0.2);
        Paint(cr, look, look.dark);
        for (int i = 0; i < d.variant; ++i)
        {
            cairo_rectangle(cr, w * 0.58, ground - h * (0.42 - i * 0.05), w * 0.22, h * 0.035);
            Paint(cr, look, look.dark);
        }
    }
    else
    {
        cairo_rectangle(cr, w * 0.48, ground - h * 0.7, w * 0.04, h * 0.45);
        Paint(cr, look, look.dark);
        cairo_save(cr);
        cairo_translate(cr, w * 0.5, ground - h * 0.75);
        cairo_scale(cr, w * 0.12, h * 0.1);
        cairo_arc(cr, 0, 0, 1, Pi, 2 * Pi);
        cairo_restore(cr);
        Paint(cr, look, look.upper);
    }
}

} // namespace

void DrawSideView(cairo_t* cr, const Design& d, double w, double h, SideStyle style)
{
    Look look{Hex(0x7f8a96), Hex(0xb9c2cc), Hex(0x4b5560), Hex(0x121820), style};
    if (style == SideStyle::Blueprint)
    {
        look.outline = Hex(0xdcecff);
    }
    const bool painted = style == SideStyle::Painted;
    const double wl = h * (painted ? 0.74 : 0.82);
    if (painted)
    {
        // A strip of sea under the ship.
        cairo_rectangle(cr, 0, wl, w, h - wl);
        cairo_pattern_t* sea = cairo_pattern_create_linear(0, wl, 0, h);
        cairo_pattern_add_color_stop_rgb(sea, 0, 0.20, 0.38, 0.60);
        cairo_pattern_add_color_stop_rgb(sea, 1, 0.08, 0.18, 0.36);
        cairo_set_source(cr, sea);
        cairo_fill(cr);
        cairo_pattern_destroy(sea);
    }
    switch (d.kind)
    {
        case Kind::Fighter:
        case Kind::TwinFighter:
        case Kind::TorpedoBomber:
        case Kind::FlyingBoat:
        case Kind::TwinBomber:
        case Kind::HeavyBomber:
            PlaneProfile(cr, d, look, w, h);
            return;
        case Kind::Gun:
        case Kind::Radar:
            ShoreProfile(cr, d, look, w, h);
            return;
        default:
            break;
    }
    const double frac = IsTwoCell(d) ? 0.72 + 0.26 * std::clamp((d.length - 66) / 16, 0.0, 1.0)
                                     : 0.5 + 0.4 * std::clamp((d.length - 20) / 20, 0.0, 1.0);
    const double len = w * 0.96 * frac;
    const double x0 = (w - len) / 2;
    const double unit = h / 8.5;
    const bool sub = d.kind == Kind::Submarine;
    const double freeboard = unit * (sub ? 0.5 : d.kind == Kind::Carrier ? 1.6 : 1.3);
    Profile p(cr, look, x0, x0 + len, wl, unit, freeboard);
    p.Hull(d.kind != Kind::Transport && d.kind != Kind::Auxiliary);
    switch (d.kind)
    {
        case Kind::Carrier:
            CarrierProfile(p, d, look, len, unit);
            break;
        case Kind::Transport:
        case Kind::Auxiliary:
            MerchantProfile(p, d, look, len, unit);
            break;
        case Kind::Submarine:
            SubmarineProfile(p, d, look, len, unit);
            break;
        default:
            WarshipProfile(p, d, look, len, unit);
            break;
    }
    if (painted)
    {
        SetColour(cr, Hex(0xffffff), 0.9);
        cairo_set_line_width(cr, 1.0);
        cairo_move_to(cr, x0, wl + 1.5);
        cairo_line_to(cr, x0 + len, wl + 1.5);
        cairo_stroke(cr);
    }
}

} // namespace olvane::artgen
