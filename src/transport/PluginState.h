#pragma once

#include <new>
#include <stdsoap2.h>
#include <utility>

// What both engine plug-ins do with their per-context state: attach it, find it from a hook,
// create it without letting an exception reach the engine, and hand the hooks back when it goes.
namespace kavelin::transport {

// Runs `hook` on the plug-in's state. Without a state it answers `absent`; an exception
// answers `failed`, so no hook ever lets one reach the engine.
template <class State, class Result, class Hook>
Result WithPluginState(struct soap* soap, const char* id, Result absent, Result failed, Hook hook) {
    auto* state = static_cast<State*>(soap_lookup_plugin(soap, id));
    if (state == nullptr)
        return absent;
    try {
        return hook(*state);
    } catch (...) {
        return failed;
    }
}

// A new state, or null when it cannot be made.
template <class State, class... Args> State* NewPluginState(Args&&... args) noexcept {
    try {
        return new (std::nothrow) State(std::forward<Args>(args)...);
    } catch (...) {
        return nullptr;
    }
}

// The attach function's work: a new state in the engine's record `plugin` under `id`, its
// hooks in place. Null (the attach then declines) when the context has the plug-in already, or
// the state cannot be made. The engine refuses a second record with an identifier only after
// the attach function has run, so a second attach must not touch the hooks at all.
template <class State>
State* AttachPluginState(struct soap* soap, struct soap_plugin* plugin, const char* id,
                         void (*deleteHook)(struct soap*, struct soap_plugin*)) {
    if (soap_lookup_plugin(soap, id) != nullptr)
        return nullptr;
    State* state = NewPluginState<State>();
    if (state == nullptr)
        return nullptr;
    plugin->id = id;
    plugin->data = state;
    plugin->fcopy = nullptr;
    plugin->fdelete = deleteHook;
    state->TakeOver(soap);
    return state;
}

// The delete callback's work: give back the hooks the state still holds, then free it.
template <class State> void DeletePluginState(struct soap* soap, struct soap_plugin* plugin) {
    auto* state = static_cast<State*>(plugin->data);
    if (state == nullptr)
        return;
    state->GiveBack(soap);
    plugin->data = nullptr;
    delete state;
}

} // namespace kavelin::transport
