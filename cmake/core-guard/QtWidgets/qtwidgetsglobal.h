// Every Qt Widgets header includes this one. It stands first on the include
// path of qintara_core only, so a core file that pulls in a widget header
// fails to compile: the core layer is Qt Core (and Qt Gui for images) only.
#error "qintara_core must not include Qt Widgets headers"
