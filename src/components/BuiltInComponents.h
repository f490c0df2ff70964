#pragma once

// Puts the library's own components into the process's class table, where a host class of
// the same ProgID may later hide them. Safe to call more than once.
void RegisterBuiltInComponents();
