#pragma once

namespace vornik {
class Application;
}

namespace vornik::serial {

// The one routine behind Next and Previous: with numbering on it steps the
// serial number, otherwise it moves through the open message file. STEP is
// +1, -1 or 0 (show the current number or entry again). False when a
// message-file step went past either end (the message is then unchanged).
bool Step(Application& app, int step);

// Next Message and Previous Message: the step, then the Build command. False
// when the step went past an end of the message file.
bool NextMessage(Application& app);
bool PreviousMessage(Application& app);

// Numbering switched on or off from outside its dialog (a command): on,
// the navigation shows and the first number is computed and built; off, the
// navigation hides unless a message file still needs it.
void enableNumbering(Application& app);
void disableNumbering(Application& app);

} // namespace vornik::serial
