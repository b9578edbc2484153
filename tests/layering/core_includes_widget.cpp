// Compiled with the core layer's include path by a test that expects the
// build to fail.
#include <QWidget>
