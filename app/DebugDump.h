#pragma once
// For scripted tests of the real window: with TARVIK_DUMP=FOLDER set, the window writes what a
// script needs to click and check (controls' screen rectangles, shown and full texts, clipping,
// status, open dialogs) to FOLDER/window.txt and screenshots to FOLDER/*.png, a few times a second.
class Form1;

void StartDebugDump(Form1& form);
