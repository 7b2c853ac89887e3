// SPDX-License-Identifier: MIT
#pragma once

class QCoreApplication;

namespace platform::qt {

// Loads Qt's own Spanish texts (context menus, standard buttons) whatever the system's
// language, since every text the user sees is Spanish. Returns false if they are not installed.
bool installSpanishTranslations(QCoreApplication &application);

} // namespace platform::qt
