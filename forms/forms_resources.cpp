#include "zorimex/forms_resources.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initialiseFormsResources() {
    Q_INIT_RESOURCE(forms);
}

namespace zorimex::forms {

void InitialiseResources() {
    initialiseFormsResources();
}

} // namespace zorimex::forms
