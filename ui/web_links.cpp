#include "web_links.h"

namespace zorimex::ui {

// Starting the external browser comes with the web-links step; until then the banners are inert.
void OpenBulletinBoard() {}

void OpenMakerSite() {}

} // namespace zorimex::ui
