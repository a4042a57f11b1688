#pragma once

// Creates every window, the data module and the reports in their fixed order
// behind the splash window, runs the event loop, and destroys them all when
// it ends. Returns the exit status: 0 after a normal end, 1 when start-up
// failed (after the "Application Error" box). Needs the application object.
int RunProgram();

// The creation steps alone, splash included (it stays up); throws when a
// step fails. Tests drive the windows between these two calls.
void CreateProgramObjects();
// Destroys whatever was created, in the reverse order.
void DestroyProgramObjects();
