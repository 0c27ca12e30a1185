// Claiming the two shortcuts system-wide.
#pragma once

constexpr int kSpotlightHotKeyId = 100;
constexpr int kHighlightHotKeyId = 200;

bool registerShortcuts();
