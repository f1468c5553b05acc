// One creature per session: the first claims, a later start hands over.
#pragma once

#include <functional>
#include <memory>
#include <optional>

namespace orbo {

// One creature per user session. The first program claims the session; a later one hands over
// to it (asks it to show its creature) and ends. The claim belongs to the process and dies
// with it however it ends, so a crashed Orbo never stops the next start.
//
// Others rely on how it is reached. Linux: the session-bus name org.orbo.Orbo, object
// /org/orbo/Orbo, interface org.orbo.Orbo, methods BringBack(), Toggle() and Exit(); without a
// session bus there is no check and every start runs. Windows: the named mutex
// Local\OrboSingleInstance, and a hidden top-level window of class OrboInstanceWindow titled
// "Orbo" to which WM_APP + 1 means BringBack, WM_APP + 2 Toggle and WM_CLOSE Exit.
class SingleInstance {
public:
    SingleInstance();
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // What a later start asks of the running creature: to come back, or to hide or show.
    enum class Request { BringBack, Toggle };

    // Call once the application object exists, before any window shows. Nothing when this program
    // is the session's creature (or there is no session to ask); otherwise the exit status to end
    // with: 0 when the running one took the request, 1 when it holds the session but does not
    // answer.
    std::optional<int> Claim(Request request = Request::BringBack);
    // After a claim: whether a later start in this session reaches this program. Not so where
    // there is nothing to ask (no session bus), where every start runs.
    bool Reachable() const;

    // What the first program does when asked (the bring-back request is a second start's);
    // requests arrive through the event loop.
    void OnBringBack(std::function<void()> bringBack);
    void OnToggle(std::function<void()> toggle);
    void OnExit(std::function<void()> exit);

    struct Impl;

private:
    std::unique_ptr<Impl> impl_;
};

} // namespace orbo
