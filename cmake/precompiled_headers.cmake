# Most of a file's compile time here goes to Qt's, the standard library's and
# GoogleTest's headers. A library parses the ones most files include once, into
# a precompiled header. Test programs of one folder that link the same
# libraries share one: GCC takes a shared header only when the definitions
# match, and the definitions follow the libraries a program links.

set(flickerbox_pch_core <QByteArray> <QDir> <QFile> <QFileInfo> <QObject> <QString> <QStringList> <QTimer>
    <algorithm> <functional> <memory> <optional> <vector>)
set(flickerbox_pch_gui ${flickerbox_pch_core} <QColor> <QImage> <QPainter>)
set(flickerbox_pch_widgets ${flickerbox_pch_gui} <QApplication> <QKeyEvent> <QLabel> <QPushButton> <QScreen>
    <QWidget>)
set(flickerbox_pch_test ${flickerbox_pch_widgets} <gtest/gtest.h>)

# flickerbox_precompile(<target> CORE|GUI|WIDGETS|TEST): the headers that
# target's layer can include.
function(flickerbox_precompile target kind)
  string(TOLOWER ${kind} kind)
  target_precompile_headers(${target} PRIVATE ${flickerbox_pch_${kind}})
endfunction()

# flickerbox_precompile_shared(<target> <family>): the first test program of a
# family makes the header, the others reuse it.
function(flickerbox_precompile_shared target family)
  string(MAKE_C_IDENTIFIER "${family}" key)
  get_property(host GLOBAL PROPERTY flickerbox_pch_host_${key})
  if(host)
    target_precompile_headers(${target} REUSE_FROM ${host})
  else()
    flickerbox_precompile(${target} TEST)
    set_property(GLOBAL PROPERTY flickerbox_pch_host_${key} ${target})
  endif()
endfunction()
