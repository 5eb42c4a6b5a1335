#include "platform/script.h"

#include "platform/application.h"
#include "platform/form.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <ostream>
#include <sstream>

namespace olvane::platform
{

namespace
{

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
    {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    {
        s.remove_suffix(1);
    }
    return s;
}

bool ParseInts(std::string_view args, std::vector<int>& out, std::size_t count)
{
    std::istringstream in{std::string(args)};
    std::string word;
    while (in >> word)
    {
        int v = 0;
        auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
        if (ec != std::errc() || end != word.data() + word.size())
        {
            return false;
        }
        out.push_back(v);
    }
    return out.size() == count;
}

} // namespace

std::optional<std::vector<ScriptCommand>> ParseScript(std::string_view source, std::string& error)
{
    std::vector<ScriptCommand> commands;
    int lineNumber = 0;
    std::size_t pos = 0;
    while (pos <= source.size())
    {
        std::size_t end = source.find('\n', pos);
        std::string_view line = Trim(source.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos));
        pos = end == std::string_view::npos ? source.size() + 1 : end + 1;
        ++lineNumber;
        if (line.empty() || line.front() == '#')
        {
            continue;
        }
        std::size_t space = line.find_first_of(" \t");
        std::string_view verb = line.substr(0, space);
        std::string_view args = space == std::string_view::npos ? std::string_view{} : Trim(line.substr(space));
        ScriptCommand c;
        c.line = lineNumber;
        std::vector<int> n;
        auto bad = [&](const char* what) {
            error = "line " + std::to_string(lineNumber) + ": " + what;
            return std::nullopt;
        };
        if (verb == "click" || verb == "rclick")
        {
            if (!ParseInts(args, n, 2))
            {
                return bad("click needs X Y");
            }
            c.verb = verb == "click" ? ScriptVerb::Click : ScriptVerb::RightClick;
            c.x1 = n[0];
            c.y1 = n[1];
        }
        else if (verb == "drag")
        {
            if (!ParseInts(args, n, 4))
            {
                return bad("drag needs X1 Y1 X2 Y2");
            }
            c.verb = ScriptVerb::Drag;
            c.x1 = n[0];
            c.y1 = n[1];
            c.x2 = n[2];
            c.y2 = n[3];
        }
        else if (verb == "wait")
        {
            if (!ParseInts(args, n, 1) || n[0] < 0)
            {
                return bad("wait needs milliseconds");
            }
            c.verb = ScriptVerb::Wait;
            c.x1 = n[0];
        }
        else if (verb == "key" || verb == "text" || verb == "shot" || verb == "expect-text")
        {
            if (args.empty())
            {
                return bad("the command needs an argument");
            }
            c.verb = verb == "key"    ? ScriptVerb::Key
                     : verb == "text" ? ScriptVerb::Text
                     : verb == "shot" ? ScriptVerb::Shot
                                      : ScriptVerb::ExpectText;
            c.text = std::string(args);
        }
        else if (verb == "quit")
        {
            c.verb = ScriptVerb::Quit;
        }
        else
        {
            return bad("unknown command");
        }
        commands.push_back(std::move(c));
    }
    return commands;
}

ScriptRunner::ScriptRunner(std::vector<ScriptCommand> commands, std::ostream& report)
    : commands_(std::move(commands)), report_(report)
{
}

int ScriptRunner::MillisecondsToNextStep(const Application& app) const
{
    std::uint64_t now = app.Now();
    // A wait wakes the loop only when it ends, so a script can watch an idle game stay idle.
    return now >= resumeAt_ ? 1 : static_cast<int>(std::min<std::uint64_t>(resumeAt_ - now, INT_MAX));
}

void ScriptRunner::Fail(Application& app, int status, const std::string& message)
{
    report_ << "script: " << message << '\n';
    next_ = commands_.size();
    app.Terminate(status);
}

void ScriptRunner::Step(Application& app)
{
    if (app.Terminated() || app.Now() < resumeAt_)
    {
        return;
    }
    if (Finished())
    {
        if (app.InModalLoop())
        {
            Fail(app, ScriptStuckInModal, "the script ended while a modal window still waits for input");
        }
        else
        {
            app.Terminate(0);
        }
        return;
    }
    const ScriptCommand& c = commands_[next_++];
    Run(c, app);
}

void ScriptRunner::PushMotion(Application& app, int x, int y)
{
    Point w = app.FramebufferToWindow(Point{x, y});
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = SDL_GetWindowID(SDL_GetMouseFocus());
    e.motion.x = w.x;
    e.motion.y = w.y;
    SDL_PushEvent(&e);
}

void ScriptRunner::PushMouse(Application& app, int x, int y, int button, bool down)
{
    // Built fresh every time: SDL rescales a pushed mouse event in place.
    Point w = app.FramebufferToWindow(Point{x, y});
    SDL_Event e{};
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.button = static_cast<Uint8>(button);
    e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.button.clicks = 1;
    e.button.x = w.x;
    e.button.y = w.y;
    SDL_PushEvent(&e);
}

void ScriptRunner::Run(const ScriptCommand& c, Application& app)
{
    switch (c.verb)
    {
        case ScriptVerb::Click:
        case ScriptVerb::RightClick: {
            int button = c.verb == ScriptVerb::Click ? SDL_BUTTON_LEFT : SDL_BUTTON_RIGHT;
            PushMotion(app, c.x1, c.y1);
            PushMouse(app, c.x1, c.y1, button, true);
            PushMouse(app, c.x1, c.y1, button, false);
            break;
        }
        case ScriptVerb::Drag: {
            PushMotion(app, c.x1, c.y1);
            PushMouse(app, c.x1, c.y1, SDL_BUTTON_LEFT, true);
            constexpr int Steps = 8;
            for (int i = 1; i <= Steps; ++i)
            {
                PushMotion(app, c.x1 + (c.x2 - c.x1) * i / Steps, c.y1 + (c.y2 - c.y1) * i / Steps);
            }
            PushMouse(app, c.x2, c.y2, SDL_BUTTON_LEFT, false);
            break;
        }
        case ScriptVerb::Key: {
            // NAME may carry modifiers: "Alt+F4", "Shift+Tab".
            std::string name = c.text;
            Uint16 mod = KMOD_NONE;
            for (std::size_t plus = name.find('+'); plus != std::string::npos && plus + 1 < name.size();
                 plus = name.find('+'))
            {
                std::string modifier = name.substr(0, plus);
                std::transform(modifier.begin(), modifier.end(), modifier.begin(),
                               [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
                if (modifier == "alt")
                {
                    mod |= KMOD_LALT;
                }
                else if (modifier == "ctrl")
                {
                    mod |= KMOD_LCTRL;
                }
                else if (modifier == "shift")
                {
                    mod |= KMOD_LSHIFT;
                }
                else
                {
                    break;
                }
                name = name.substr(plus + 1);
            }
            SDL_Keycode key = SDL_GetKeyFromName(name.c_str());
            if (key == SDLK_UNKNOWN)
            {
                Fail(app, ScriptBroken, "line " + std::to_string(c.line) + ": unknown key " + c.text);
                return;
            }
            SDL_Event e{};
            e.type = SDL_KEYDOWN;
            e.key.state = SDL_PRESSED;
            e.key.keysym.sym = key;
            e.key.keysym.scancode = SDL_GetScancodeFromKey(key);
            e.key.keysym.mod = mod;
            SDL_PushEvent(&e);
            e.type = SDL_KEYUP;
            e.key.state = SDL_RELEASED;
            SDL_PushEvent(&e);
            break;
        }
        case ScriptVerb::Text: {
            // Text events carry at most 31 bytes; longer strings go in pieces, split between
            // characters.
            std::string_view rest = c.text;
            while (!rest.empty())
            {
                std::size_t n = std::min<std::size_t>(rest.size(), SDL_TEXTINPUTEVENT_TEXT_SIZE - 1);
                while (n < rest.size() && n > 0 && (static_cast<unsigned char>(rest[n]) & 0xC0) == 0x80)
                {
                    --n;
                }
                SDL_Event e{};
                e.type = SDL_TEXTINPUT;
                std::copy_n(rest.data(), n, e.text.text);
                SDL_PushEvent(&e);
                rest.remove_prefix(n);
            }
            break;
        }
        case ScriptVerb::Wait:
            resumeAt_ = app.Now() + static_cast<std::uint64_t>(c.x1);
            break;
        case ScriptVerb::Shot: {
            app.Compose();
            if (auto error = app.Framebuffer().SavePng(c.text))
            {
                Fail(app, ScriptBroken, "line " + std::to_string(c.line) + ": " + *error);
            }
            break;
        }
        case ScriptVerb::ExpectText: {
            app.Compose();
            Form* form = app.InputForm();
            bool found = false;
            std::string seen;
            if (form != nullptr)
            {
                for (const std::string& t : form->DrawnTexts())
                {
                    found = found || t.find(c.text) != std::string::npos;
                    seen += (seen.empty() ? "\"" : ", \"") + t + "\"";
                }
            }
            if (!found)
            {
                Fail(app, ScriptExpectationFailed,
                     "line " + std::to_string(c.line) + ": \"" + c.text + "\" is not on the active window (it shows " +
                         (seen.empty() ? std::string("no text") : seen) + ")");
            }
            break;
        }
        case ScriptVerb::Quit:
            next_ = commands_.size();
            app.Terminate(0);
            break;
    }
}

} // namespace olvane::platform
