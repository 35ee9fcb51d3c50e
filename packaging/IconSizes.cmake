# cmake -DICONS=share/icons/hicolor -DAPP_ID=id -P IconSizes.cmake
#
# Each rendered PNG icon must be a PNG of the size its folder names: a menu picks the
# icon by folder and would show a wrong size blurred.
cmake_minimum_required(VERSION 3.25)
foreach(size 48 64 128)
  set(png ${ICONS}/${size}x${size}/apps/${APP_ID}.png)
  if(NOT EXISTS ${png})
    message(SEND_ERROR "${png} is missing")
    continue()
  endif()
  # The signature, then the IHDR chunk: width and height as 32-bit big-endian numbers.
  file(READ ${png} header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 32 8 width)
  string(SUBSTRING "${header}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
    message(SEND_ERROR "${png} is no ${size}x${size} PNG (${width}x${height})")
  endif()
endforeach()
