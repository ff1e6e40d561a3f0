#pragma once

// Ends every message and result screen: input is ignored for half a second, so
// that the press which led here does not also leave, then the first key press,
// pointer button press or quit request returns.
void waitForPress();
