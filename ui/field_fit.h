#pragma once
// Text fields whose text fits them by their definition show it whole. The Japanese stand-in
// fonts set digits wider than the fonts the windows were designed with (a proportional digit is
// about a third wider than the designed half-width one), and Qt keeps more space inside a
// field's border than the designed desktop did; a field then scrolls a text it was sized for, and
// shows "302" for "802". Such a text is set a little narrower instead, as CaptionLabel does for
// labels.

class QLineEdit;

namespace zorimex::ui {

/// From now on, narrows the font of `field` just enough for its current text to fit, down to
/// three quarters of the designed width; a text still wider scrolls as before. The font the field
/// has when this is called is the designed one.
void NarrowTextToFit(QLineEdit* field);

} // namespace zorimex::ui
