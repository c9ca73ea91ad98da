#pragma once
// A key: a title, title colour, image and background image per control state, a title
// font, and the touch glow. A state without an entry of its own shows the normal state's.
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "platform/ui/MXControl.h"
#include "platform/ui/MXFont.h"
#include "platform/ui/MXImage.h"

enum class MXControlState { Normal, Highlighted, Disabled, Selected };

class MXButton : public MXControl {
public:
    // Replaces the highlighting of every button, as a category of the button class does;
    // the handler applies the plain highlighting with applyHighlighted.
    using HighlightHandler = std::function<void(MXButton&, bool)>;
    static void setHighlightHandler(HighlightHandler handler);

    MXButton() = default;
    explicit MXButton(std::u16string title) { titles_[MXControlState::Normal] = std::move(title); }

    std::u16string titleForState(MXControlState state) const { return lookUp(titles_, state).value_or(u""); }
    virtual void setTitle(std::u16string title, MXControlState state) { titles_[state] = std::move(title); }
    // The title shown now: that of the current state (the key's text).
    std::u16string currentTitle() const { return titleForState(state()); }

    std::optional<MXColor> titleColorForState(MXControlState state) const { return lookUp(titleColors_, state); }
    virtual void setTitleColor(MXColor color, MXControlState state) { titleColors_[state] = color; }

    std::optional<MXImage> imageForState(MXControlState state) const { return lookUp(images_, state); }
    // Nothing removes the state's image.
    virtual void setImage(std::optional<MXImage> image, MXControlState state) { store(images_, image, state); }
    std::optional<MXImage> backgroundImageForState(MXControlState state) const {
        return lookUp(backgroundImages_, state);
    }
    virtual void setBackgroundImage(std::optional<MXImage> image, MXControlState state) {
        store(backgroundImages_, image, state);
    }

    const MXFont& titleFont() const { return titleFont_; }
    virtual void setTitleFont(MXFont font) { titleFont_ = std::move(font); }

    bool showsTouchWhenHighlighted() const { return showsTouch_; }
    virtual void setShowsTouchWhenHighlighted(bool shows) { showsTouch_ = shows; }

    // Through the highlight handler when one is set.
    void setHighlighted(bool highlighted) override;
    void applyHighlighted(bool highlighted) { MXControl::setHighlighted(highlighted); }

    // Disabled, else highlighted, else selected, else normal.
    MXControlState state() const;

private:
    template <class Value>
    using PerState = std::map<MXControlState, Value>;

    // The state's own entry, else the normal state's.
    template <class Value>
    static std::optional<Value> lookUp(const PerState<Value>& entries, MXControlState state) {
        auto found = entries.find(state);
        if (found == entries.end()) found = entries.find(MXControlState::Normal);
        if (found == entries.end()) return std::nullopt;
        return found->second;
    }
    static void store(PerState<MXImage>& entries, const std::optional<MXImage>& image, MXControlState state) {
        if (image) {
            entries[state] = *image;
        } else {
            entries.erase(state);
        }
    }

    PerState<std::u16string> titles_;
    PerState<MXColor> titleColors_;
    PerState<MXImage> images_;
    PerState<MXImage> backgroundImages_;
    MXFont titleFont_;
    bool showsTouch_ = false;
};
