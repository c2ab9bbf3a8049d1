#pragma once
// What the setup screen asks of this machine at load: the sound outputs and whether a
// program to show web pages exists. The model gets plain answers.

namespace korvel {

// The number of audio output devices the system offers.
int audioOutputCount();

// Whether a program that opens web pages ("xdg-open") is on the path.
bool webBrowserAvailable();

} // namespace korvel
