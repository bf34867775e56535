// The engine choosing its own network backend.
#pragma once
#include "backends/curl_http.h"
