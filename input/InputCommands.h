#pragma once
// What the input window's buttons and marketplace boxes do.

namespace input {

// A marketplace box was clicked (it has already toggled): the two boxes exclude each other.
void sundokClicked();
void veloraClicked();
// Reads the chosen file into the product picture.
void loadPictureClicked();
// Opens the page of the ticked marketplace.
void generateClicked();

}  // namespace input
