// Marks the classes and functions that libvel.so exports; everything else stays hidden.
#pragma once

#define VEL_API __attribute__((visibility("default")))
