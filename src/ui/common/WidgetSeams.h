#pragma once

// Installs the widget implementations of the seams (message boxes, input
// boxes and file choosers, keyboard state). Called once by the program after
// the application object exists; tests install their own doubles instead.
void InstallWidgetSeams();
