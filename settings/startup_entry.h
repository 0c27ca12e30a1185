// The "start with Windows" value in the machine-wide Run key.
#pragma once

void updateStartupEntry();
