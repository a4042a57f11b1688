file(REMOVE_RECURSE
  "libphonedata.a"
)
