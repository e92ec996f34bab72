# One interface target with the language level, warnings and sanitizer switches,
# linked by every target of the project.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
  set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "" FORCE)
endif()

option(LOTAVO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

add_library(lotavo_common INTERFACE)
target_compile_options(lotavo_common INTERFACE -Wall -Wextra -Wno-unused-parameter)
target_compile_definitions(lotavo_common INTERFACE QT_NO_CAST_FROM_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
if(LOTAVO_SANITIZE)
  target_compile_options(lotavo_common INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(lotavo_common INTERFACE -fsanitize=address,undefined)
endif()

# The headers most window files, tests and benchmarks include, precompiled once per library.
set(LOTAVO_QT_PCH_HEADERS
  <QAction> <QApplication> <QCheckBox> <QColor> <QDialog> <QElapsedTimer> <QFont> <QFontMetrics>
  <QImage> <QKeyEvent> <QLabel> <QLineEdit> <QMenu> <QMouseEvent> <QPainter> <QPixmap>
  <QPushButton> <QScreen> <QSpinBox> <QString> <QTimer> <QWidget>
  <algorithm> <functional> <memory> <string> <string_view> <vector>)
