#pragma once
// Resource numbers of the executable's own resources.
#define RESOURCE_PROGRAM_ICON 1
#define RESOURCE_HAND_CURSOR 101
