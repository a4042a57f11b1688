file(REMOVE_RECURSE
  "libphoneui.a"
)
