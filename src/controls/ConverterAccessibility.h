#pragma once

// Roles of the converter's own widgets for assistive technologies (their names
// are the widgets' accessible names). Safe to call more than once.
void installConverterAccessibility();
