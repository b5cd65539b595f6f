/* The host's own cursor resources, by the ids its resource script gives
   them; read by the resource compiler as well as by the host. */
#pragma once

#define HOST_CURSOR_HAND       201
#define HOST_CURSOR_UP_ARROW   202
#define HOST_CURSOR_DOWN_ARROW 203
