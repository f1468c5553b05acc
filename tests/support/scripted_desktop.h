// A desktop for tests: answers what the test tells it and counts what it is asked.
#pragma once

#include "platform/desktop/fixed_desktop.h"

#include <memory>

namespace orbo {

class ScriptedDesktop : public FixedDesktop {
public:
    QPoint PointerPosition() override {
        ++CursorReads;
        return Cursor;
    }
    QSize ScreenSizePixels() const override {
        return MonitorList.empty() ? Screen : MonitorList.front().Pixels.size();
    }
    Units ScreenUnits() const override { return ScriptedUnits; }
    Monitors GetMonitors() const override {
        return MonitorList.empty() ? Desktop::GetMonitors() : MonitorList;
    }
    bool AnnouncesInput() const override { return Announces; }
    bool FollowsPointerEverywhere() const override { return Everywhere; }
    QString HowToFollowEverywhere() const override { return Advice; }
    void SetAnimationInterval(int milliseconds) override { AnimationInterval = milliseconds; }
    bool ListensForKeys() const override { return Keys; }
    std::optional<QString> ListenForKey(QKeyCombination key,
                                        std::function<void()> pressed) override {
        HeldKey = key;
        KeyPressed = std::move(pressed);
        return KeyRefusal;
    }
    // What a desktop does that finds the key taken only after it was asked for.
    void RefuseKeyLater(const QString& why) { KeyRefused(why); }
    // What a real desktop does when the pointer moves.
    void Announce() { InputArrived(); }
    void WatchAway(std::chrono::milliseconds after) override { AwayAfter = after; }
    // What a desktop that has an idle time does when the person goes, and comes back.
    void Away(bool away) { AwayChanged(away); }

    // When set, the monitors (the primary first) instead of Screen alone.
    Monitors MonitorList;
    Units ScriptedUnits{};
    bool Announces = false;
    bool Everywhere = true;
    QString Advice;
    int CursorReads = 0;
    int AnimationInterval = 0;               // as the creature last told it
    std::chrono::milliseconds AwayAfter{-1}; // as the creature last asked; -1 before it asked
    bool Keys = true;
    std::optional<QString> KeyRefusal; // what ListenForKey answers
    QKeyCombination HeldKey;           // as last asked for
    std::function<void()> KeyPressed;
};

// XWayland's view under a compositor's desktop: one 1200 x 900 monitor, the pointer at cursor.
inline std::unique_ptr<ScriptedDesktop> XWaylandView(QPoint cursor) {
    auto view = std::make_unique<ScriptedDesktop>();
    view->Cursor = cursor;
    view->MonitorList = {{QRect(0, 0, 1200, 900), 1}};
    return view;
}

} // namespace orbo
