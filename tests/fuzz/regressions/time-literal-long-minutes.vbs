' A time literal with a long run of digits after its colon: no time, and no overflow reading it.
x = #1:777777777777#
