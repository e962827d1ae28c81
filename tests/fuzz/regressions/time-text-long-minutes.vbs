' Text with a long run of digits after a colon: no time, and no overflow reading it.
x = IsDate("23:99999999999:1")
x = CDate("1:777777777777")
