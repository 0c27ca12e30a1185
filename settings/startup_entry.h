// The "start with Windows" value: in the machine-wide Run key when the user may write
// there, otherwise in the user's own Run key.
#pragma once

void updateStartupEntry();
