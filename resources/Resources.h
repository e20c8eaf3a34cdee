#pragma once

// Registers the compiled-in resource bundles (pictures, report template,
// translations). Static libraries drop them unless something asks for them,
// so the program and every test that reads ":/..." calls this first.
void initSorvanaResources();
