#pragma once
// The command-line modes read the settings file and the language file it names as the program does at start,
// so that numbers have the chosen precision and messages the chosen language. They write nothing.

// Digits and the message table of the chosen language; a missing or damaged file leaves the defaults.
void ApplyModeSettings();
